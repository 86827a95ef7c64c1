// Twips, the unit of window geometry: 1440 to the inch.
#pragma once

#include <cmath>

#include "base/nearest_int.h"

namespace mipro {

constexpr double kTwipsPerInch = 1440.0;
constexpr int kStandardDotsPerInch = 96;

// Twips per screen pixel on a display of the given dots per inch: 1440 over them, to the nearest
// whole number (15 at 96, 10 at 144, 8 at 192). The core and the platforms all convert with this
// one value, so a window the core places in twips lands on the pixel it meant.
inline int TwipsPerPixelAt(int dotsPerInch) {
    return NearestInt(kTwipsPerInch / (dotsPerInch > 0 ? dotsPerInch : kStandardDotsPerInch));
}

// The pixel a window placed at `twips` starts on: the nearest one, halves going down. A window
// centred on the pointer by half its size in twips (153.5 pixels at 8 twips per pixel) then lies
// the same way at every pointer position, so every screen pixel can be brought under it.
inline int WindowPixelAt(double twips, int twipsPerPixel) {
    return static_cast<int>(std::ceil(twips / twipsPerPixel - 0.5));
}

// A window's width or height in pixels for its size in twips: the nearest whole pixel.
inline int WindowPixelsFor(double twips, double twipsPerPixel) { return NearestInt(twips / twipsPerPixel); }

}  // namespace mipro
