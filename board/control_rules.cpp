#include "board/control_rules.h"

#include <algorithm>

namespace mipro::board {
namespace {

constexpr int kTensStep = 10;
constexpr int kOnesStep = 1;
constexpr int kUnitsPerPixel = 5;

int StepOf(Arrow arrow) {
    switch (arrow) {
        case Arrow::TensUp: return kTensStep;
        case Arrow::TensDown: return -kTensStep;
        case Arrow::OnesUp: return kOnesStep;
        case Arrow::OnesDown: return -kOnesStep;
    }
    return 0;
}

}  // namespace

int AfterArrowPress(int value, Arrow arrow) { return std::clamp(value + StepOf(arrow), 0, kMaxComponent); }

int SliderValueAt(int x, int zeroX) {
    // Work in pixels first so a pointer far away cannot overflow the multiplication.
    const int pixels = std::clamp(x - zeroX + 1, 0, kMaxComponent / kUnitsPerPixel + 1);
    return std::min(pixels * kUnitsPerPixel, kMaxComponent);
}

int KnobColumn(int value, int zeroX) { return zeroX + (value + kUnitsPerPixel - 1) / kUnitsPerPixel - 1; }

int AfterShiftPress(int value, int x, int zeroX) {
    const int knob = KnobColumn(value, zeroX);
    const int step = x > knob ? 1 : x < knob ? -1 : 0;
    return std::clamp(value + step, 0, kMaxComponent);
}

}  // namespace mipro::board
