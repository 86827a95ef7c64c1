// A ColourCode board's controls in its picture: the "#" button, the code field, the swatch of the
// current colour, and the code window over the canvas when it is open.
#pragma once

#include "board/board.h"
#include "board/raster.h"

namespace mipro::board {

constexpr Colour kFieldColour = kWhite;
constexpr Colour kFocusColour = Rgb(40, 110, 230);
constexpr Colour kSelectionColour = kFocusColour;
constexpr Colour kSelectedTextColour = kWhite;
constexpr Colour kWindowColour = Rgb(236, 236, 242);

void DrawCodePanel(Raster& r, const Board& board);
void DrawCodeWindow(Raster& r, const Board& board);

}  // namespace mipro::board
