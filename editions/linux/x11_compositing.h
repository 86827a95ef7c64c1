// What the X server and the desktop offer for drawing over the screen: a compositing manager, which
// paints the screen from the windows' own contents (and paints over what is drawn on the root),
// and the SHAPE extension, which gives a window any outline and lets input pass through it.
#pragma once

#include "editions/linux/x11_connection.h"

namespace mipro::linux_x11 {

// Whether a compositing manager runs on the screen: the selection _NET_WM_CM_S<screen> has an owner.
bool CompositingManagerRuns(Display* display, int screen);

// Whether the server has SHAPE 1.1 or later, the version with input shapes.
bool HasInputShapes(Display* display);

}  // namespace mipro::linux_x11
