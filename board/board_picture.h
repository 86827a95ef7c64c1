// What the practice board looks like: the whole board, colour controls, canvas, tool buttons and
// palette, the pen cursor and the ColourCode window, as a picture in board pixels, ready to be
// shown by a window. The canvas itself (Board::canvas) never holds the cursor or the window.
#pragma once

#include "board/board.h"
#include "board/raster.h"

namespace mipro::board {

constexpr Colour kPanelColour = Rgb(228, 228, 236);
constexpr Colour kInkColour = Rgb(24, 24, 24);
constexpr Colour kTrackColour = kWhite;
constexpr Colour kButtonColour = Rgb(246, 246, 246);
constexpr Colour kChosenToolColour = Rgb(255, 214, 120);

// The colour a control of this channel is filled with.
Colour ChannelColour(Channel c);

Raster DrawBoard(const Board& board);

}  // namespace mipro::board
