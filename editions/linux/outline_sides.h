// A focus rectangle's outline as the four sides of a one-pixel frame.
//
// Include this after the core's headers: Xlib.h defines True, False and None as macros.
#pragma once

// The core's header first: Xlib.h must come after it.
#include "base/types.h"

#include <X11/Xlib.h>

#include <vector>

namespace mipro::linux_x11 {

// The four sides of the rectangle's outline, one pixel wide, no pixel twice (so an inverting fill
// changes each pixel once), moved by (-dx, -dy); none for a rectangle with no width or height.
std::vector<XRectangle> OutlineSides(ScreenRect r, int dx = 0, int dy = 0);

}  // namespace mipro::linux_x11
