// How far a board's canvas reaches from its origin, found on the screen, and what surrounds it.
//
// A canvas is a rectangle at the origin; around it lie layers of pixels, one pixel wide each, the
// first touching the canvas. Its surroundings show at its top-left, where the origin guide's corner
// mark lies: the top and left side of every layer is one colour, the colour at the layer's corner.
// The right and bottom sides of a layer start in that colour and may turn once to one other colour
// (the lighter half of a bevelled frame, a drop shadow that starts lower down).
// - A frame of one to three layers: its outer layer differs from what lies beyond it. A rectangle
//   fits the frame when the frame's layers close all round it in colours that stand out from what
//   lies beyond, and the next layer, beyond the frame, closes without turning back to the frame's
//   colour. The thickest frame that some rectangle fits is taken, and the canvas is the largest
//   rectangle that fits it, when that holds every other one that does (a blank canvas lets the
//   frame's inner layers fit a smaller one); fits that lie across each other give no size. What
//   the canvas holds, drawn or blank, is never looked at.
// - No frame (the surroundings are a panel or the page, one colour all round the canvas): the
//   canvas is the smallest rectangle that colour closes all round, so it ends at the first whole
//   column and row of that colour. A drawing with a line of exactly that colour from edge to edge
//   would end the canvas early; a corner of the canvas in that colour (the first pixel, its
//   top-right or bottom-left one) means the closing lines lie beyond something else (a shadow,
//   text next to it), and no size is given.
// The user sees the size on page 6 and can correct it; with no size the picture's size stands.
#pragma once

#include <optional>

#include "base/picture.h"
#include "wizard/state.h"
#include "wizard/wizard.h"

namespace mipro {

// The largest canvas side looked for.
constexpr std::int32_t kMaxCanvasSide = 2000;
// How far around a canvas the screen is read: the thickest frame told (three pixels) and one
// pixel beyond it. The band the check compares is as wide, and stops short of the point the draw
// run rests the pointer on, five pixels left of the origin.
constexpr std::int32_t kAroundWidth = 4;

// around: the screen from kAroundWidth pixels above and left of the canvas's origin, so the origin
// is at (kAroundWidth, kAroundWidth). Nothing when no edge was found.
std::optional<CanvasSize> CanvasExtentIn(const Picture& around);

// The screen from kAroundWidth pixels above and left of `origin` to kAroundWidth pixels beyond a
// rectangle of size `reach` at it; nothing when the screen could not be read.
std::optional<Picture> ReadAroundCanvas(Wizard& w, ScreenPoint origin, CanvasSize reach);

// Reads the screen right of and below `origin` and finds the canvas there; nothing when the screen
// could not be read or no edge was found.
std::optional<CanvasSize> FindCanvasSize(Wizard& w, ScreenPoint origin);

// The band kAroundWidth pixels wide around a rectangle of size `inner` at the origin, as `around`
// (read as for CanvasExtentIn) shows it.
CanvasRing RingIn(const Picture& around, CanvasSize inner);

// Whether `around` (read as for CanvasExtentIn) still shows the band, but for its pixels inside
// the rectangle `drawn` at the origin, where the run draws. An empty band is always shown.
bool RingShown(const Picture& around, const CanvasRing& ring, CanvasSize drawn);

// What page 6 takes from one read of the screen after a new origin: the canvas's size, when found,
// and the band around the rectangle the check will read (the size found, or the picture's).
struct CanvasSight {
    std::optional<CanvasSize> size;
    CanvasRing ring;
    friend bool operator==(const CanvasSight&, const CanvasSight&) = default;
};
CanvasSight LookAtCanvas(Wizard& w, ScreenPoint origin);

}  // namespace mipro
