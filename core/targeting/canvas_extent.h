// How far a board's canvas reaches from its origin, found on the screen.
//
// What surrounds a canvas shows at the pixel diagonally outside its top-left corner, where the
// origin guide's corner mark lies: the canvas's frame, or the page or panel it sits on. From that
// corner the surrounding colour runs along the row above the canvas and down the column left of it.
// - A frame: both runs end where the frame turns at the far corners, one pixel past the canvas. The
//   canvas is taken from there when the frame is closed (its right column and bottom row have the
//   same colour all along), so what the canvas holds, drawn or blank, does not matter.
// - No frame of its own (the runs go on past the canvas): the right side is the first column right
//   of the origin that shows the surrounding colour all the way down the left run, and the bottom
//   the first row below the origin that shows it all the way along the top run. A drawing with a
//   full-height or full-width line of exactly that colour would end the canvas early; the user
//   sees the size on page 6 and can correct it.
#pragma once

#include <optional>

#include "base/picture.h"
#include "wizard/state.h"
#include "wizard/wizard.h"

namespace mipro {

// The largest canvas side looked for.
constexpr std::int32_t kMaxCanvasSide = 2000;

// around: the screen from one pixel above and left of the canvas's origin, so the origin is at
// (1, 1). Nothing when no edge was found.
std::optional<CanvasSize> CanvasExtentIn(const Picture& around);

// Reads the screen right of and below `origin` and finds the canvas there; nothing when the screen
// could not be read or no edge was found.
std::optional<CanvasSize> FindCanvasSize(Wizard& w, ScreenPoint origin);

}  // namespace mipro
