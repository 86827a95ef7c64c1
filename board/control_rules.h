// How the colour controls change a colour component (0 to 255) on each board kind.
#pragma once

#include "board/layout.h"

namespace mipro::board {

constexpr int kMaxComponent = 255;

// oekakiBBS: an up arrow adds 10 or 1, a down arrow takes 10 or 1; the value stays within 0..255.
int AfterArrowPress(int value, Arrow arrow);

// PaintBBS: the value of a slider held at column x, five units per pixel: zeroX sets 5,
// zeroX - 1 and anything left of it 0, zeroX + 49 sets 250 and zeroX + 50 onwards 255.
int SliderValueAt(int x, int zeroX);

}  // namespace mipro::board
