#include "editions/linux/root_pointer_grab.h"

#include <gdk/gdkx.h>

#include <cstdio>

namespace mipro::linux_x11 {

namespace {

// GDK's own connection, so the grab ends with the program's display connection.
Display* GdkXDisplay() { return GDK_DISPLAY_XDISPLAY(gdk_display_get_default()); }

constexpr unsigned kButtonEvents = ButtonPressMask | ButtonReleaseMask;

}  // namespace

bool RootPointerGrab::take() {
    if (held_) return true;
    Display* display = GdkXDisplay();
    // Owner events off and the root as the grab window: every pointer event comes to the program,
    // and none to the window under the pointer. The pointer itself moves freely.
    const int status = XGrabPointer(display, DefaultRootWindow(display), False, kButtonEvents, GrabModeAsync,
                                    GrabModeAsync, None, None, CurrentTime);
    held_ = status == GrabSuccess;
    if (!held_ && !failureReported_) {
        std::fprintf(stderr, "mipro: the pointer could not be held (XGrabPointer: %d); trying again\n", status);
        failureReported_ = true;
    }
    return held_;
}

void RootPointerGrab::release() {
    if (!held_) return;
    Display* display = GdkXDisplay();
    XUngrabPointer(display, CurrentTime);
    XSync(display, False);
    held_ = false;
    failureReported_ = false;
}

}  // namespace mipro::linux_x11
