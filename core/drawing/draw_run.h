// The draw run of step 7: start, the decision on what lies under the start point, the colour
// reset on the board, the replay of the sorted pixel list, its end and the way out.
#pragma once

#include <cstdint>

#include "base/types.h"
#include "wizard/wizard.h"

namespace mipro {

// Runs to its end before returning; the user stops it by moving the mouse.
void RunDraw(Wizard& w);

// Moves the pointer to the start point and returns the verdict of CheckClassName there:
// 0 a board's canvas, 99 the desktop's icon view, anything else something else.
std::int32_t CheckStartDraw(Wizard& w);

}  // namespace mipro
