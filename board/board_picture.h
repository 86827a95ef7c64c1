// What the practice board looks like: the whole board, colour controls and canvas, as a picture
// in board pixels, ready to be shown by a window.
#pragma once

#include "board/board.h"
#include "board/raster.h"

namespace mipro::board {

constexpr Colour kPanelColour = Rgb(228, 228, 236);
constexpr Colour kInkColour = Rgb(24, 24, 24);
constexpr Colour kTrackColour = kWhite;

// The colour a control of this channel is filled with.
Colour ChannelColour(Channel c);

Raster DrawBoard(const Board& board);

}  // namespace mipro::board
