// The magnifier's geometry in twips and pixels (its sizes are the window's own, in
// interfaces/magnifier_window.h): the placement on the pointer and the magnified square.
#pragma once

#include <cstdint>

#include "base/types.h"
#include "interfaces/magnifier_window.h"

namespace mipro {

// Horizontal offset from the window's left edge to the magnified square.
constexpr std::int32_t kSourceOffsetXPx = -115;
// Rows of the square above the pointer.
constexpr std::int32_t kSourceRowsAbovePointer = 50;

struct MagnifierGeometry {
    double width = 0;    // outer size in twips
    double height = 0;
    std::int32_t HalfW = 0, HalfH = 0;      // twips
    std::int32_t HalfWPx = 0, HalfHPx = 0;  // pixels
    std::int32_t SrcDX = 0, SrcDY = 0;      // pixels from the window's corner to the square
};

MagnifierGeometry MagnifierGeometryFor(std::int32_t twipsX, std::int32_t twipsY);

// A window position in twips.
struct TwipsPoint {
    double left = 0;
    double top = 0;
};

// Where the window goes so that it is centred on the pointer p.
TwipsPoint PlaceOnPointer(const MagnifierGeometry& g, std::int32_t twipsX, std::int32_t twipsY, ScreenPoint p);

// The screen pixel shown at (dx, dy) of the magnified square of a window at `at`;
// (0, 0) is the square's top-left pixel.
ScreenPoint SourcePoint(const MagnifierGeometry& g, std::int32_t twipsX, std::int32_t twipsY, TwipsPoint at,
                        std::int32_t dx, std::int32_t dy);

// The square on the screen for a window centred on the pointer p: where the focus rectangle goes.
ScreenRect SourceSquareAround(const MagnifierGeometry& g, ScreenPoint p);

}  // namespace mipro
