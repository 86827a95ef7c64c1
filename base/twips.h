// Twips, the unit of window geometry: 1440 to the inch.
#pragma once

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

}  // namespace mipro
