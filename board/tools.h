// What the drawing tools paint and which colours the palette's swatches hold.
#pragma once

#include <optional>

#include "board/layout.h"
#include "board/raster.h"

namespace mipro::board {

// The side of the square a tool paints, centred on each point of its line: 1 for the pen.
int StampSide(Tool t);
// The colour a tool paints with while the current colour is `current`: the eraser paints white.
Colour ToolInk(Tool t, Colour current);
// The colour of swatch 0 to kPaletteColours - 1; a press on it makes that the current colour.
Colour PaletteColour(int index);
// The tool a character key chooses on boards with tool shortcuts: p the pen, b the brush, e the
// eraser, either case.
std::optional<Tool> ToolOfKey(char32_t c);

}  // namespace mipro::board
