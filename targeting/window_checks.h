// Whether a screen point lies on a drawing board's canvas, and whether the user has taken the
// mouse back during a draw run.
#pragma once

#include <cstdint>
#include <string>

#include "app/wizard.h"
#include "platform/screen.h"

namespace mipro {

// Verdicts of CheckClassName.
constexpr std::int32_t kOnBoard = 0;
constexpr std::int32_t kOnDesktopIcons = 99;

// The class of the window under CurPnt: 0 on a board's canvas, 99 on the desktop's icon view,
// otherwise 1 or -1 by the ordering of "SunAwtCanvas" against the class name. The caller puts the
// point into CurPnt first.
std::int32_t CheckClassName(Wizard& w);

// The window's class name, or empty when h is no window or its class cannot be read.
std::string GetWndClassName(Screen& screen, WindowHandle h);

// 0 when the run may go on; -1 when the pointer is more than one pixel away from (nxx, nyy) on
// either axis; otherwise, while ClassCheck is True, the verdict of CheckClassName.
std::int32_t InterruptDraw(Wizard& w, std::int32_t nxx, std::int32_t nyy);

}  // namespace mipro
