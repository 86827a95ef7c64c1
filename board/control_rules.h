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

// PaintBBS: the column of the slider's knob at a value: zeroX + ceil(value / 5) - 1, so zeroX - 1
// at 0, zeroX at 5, zeroX + 49 at 250 and zeroX + 50 at 255.
int KnobColumn(int value, int zeroX);
// PaintBBS: a press at column x with Shift held moves the value by 1 toward the pointer: up when
// x lies right of the knob, down when left of it, not at all on it; within 0..255.
int AfterShiftPress(int value, int x, int zeroX);

}  // namespace mipro::board
