// Whether a screen point lies on a drawing board's canvas, and whether the user has taken the
// mouse back during a draw run.
#pragma once

#include <cstdint>
#include <string>

#include "interfaces/screen.h"
#include "wizard/wizard.h"

namespace mipro {

// Verdicts of CheckClassName: a board's canvas, the desktop's icon view, or something else, which
// is 1 or -1 by the ordering of "SunAwtCanvas" against its class name.
constexpr std::int32_t kOnBoard = 0;
constexpr std::int32_t kOnDesktopIcons = 99;
constexpr std::int32_t kSortsBeforeSunCanvas = 1;
constexpr std::int32_t kSortsAfterSunCanvas = -1;

// Verdicts of InterruptDraw besides those of CheckClassName.
constexpr std::int32_t kGoOn = 0;
constexpr std::int32_t kHandMoved = -1;

// The verdict for a window of class `cls` on the given window system. On Windows a class that is
// no board and not the desktop gives the ordering of "SunAwtCanvas" against it; on X11, 1.
std::int32_t ClassVerdictOf(WindowSystem system, const std::string& cls);

// The verdict for the window under CurPnt. It does not read the pointer: the caller puts the
// point to test into CurPnt just before, or calls CheckClassNameAt.
std::int32_t CheckClassName(Wizard& w);

// Puts p into CurPnt and returns CheckClassName's verdict for it.
std::int32_t CheckClassNameAt(Wizard& w, ScreenPoint p);

// Whether the board under p is a browser's page rather than an applet.
bool BrowserUnder(Wizard& w, ScreenPoint p);

// The window's class name, or empty when h is no window or its class cannot be read.
std::string GetWndClassName(Screen& screen, WindowHandle h);

// Reads the pointer into CurPnt. kGoOn when the run may go on; kHandMoved when the pointer is
// more than one pixel away from (nxx, nyy) on either axis; otherwise, while ClassCheck is True,
// the verdict of CheckClassName for the point just read.
std::int32_t InterruptDraw(Wizard& w, std::int32_t nxx, std::int32_t nyy);

// InterruptDraw's first question alone: reads the pointer into CurPnt and tells whether it is more
// than one pixel away from (nxx, nyy). For the looks in the middle of a stroke, whose window was
// already asked for before it.
bool HandMoved(Wizard& w, std::int32_t nxx, std::int32_t nyy);

}  // namespace mipro
