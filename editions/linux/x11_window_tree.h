// Windows on the screen as the user sees them: the top-level window at a point, the client window
// that a window manager's frame holds, and the two names a window gives itself.
#pragma once

#include <X11/Xlib.h>

#include <string>

namespace mipro::linux_x11 {

// The topmost child of the root that shows at (x, y): mapped and viewable, able to show pixels
// (InputOutput), its rectangle (border included) holding the point, and not one of the program's
// own overlays (the focus rectangle's windows). None when no window does.
Window TopLevelAt(Display* display, Window root, int x, int y);

// The server's own answer, in one question: the topmost mapped child of the root whose shape holds
// the point, for input (so the program's overlays, which let input through, are passed over). It
// may be a window that shows no pixels (InputOnly). None when no window is there.
Window TopLevelUnder(Display* display, Window root, int x, int y);

// Whether the window can show pixels (InputOutput): fixed when the window is made.
bool ShowsPixels(Display* display, Window window);

// Marks a window as one of the program's overlays, which TopLevelAt looks through.
void MarkAsOverlay(Display* display, Window window);

// The client window in a top-level window: the window carrying WM_STATE, which the window manager
// sets on the windows it manages, either the window itself or the first such descendant. None
// when there is none (no window manager runs, or the window is not managed).
Window ClientWindowIn(Display* display, Window window);

// Whether the window's _NET_WM_WINDOW_TYPE includes _NET_WM_WINDOW_TYPE_DESKTOP.
bool IsDesktopWindow(Display* display, Window window);

// The class part of the window's WM_CLASS; empty when the window has none or is gone.
std::string ResourceClass(Display* display, Window window);

}  // namespace mipro::linux_x11
