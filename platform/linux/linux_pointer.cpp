#include "platform/linux/linux_pointer.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include "platform/linux/pointer_shape.h"

namespace mipro::linux_x11 {

namespace {

constexpr unsigned kLeftButton = 1;
// XTest delay: the event happens at once.
constexpr unsigned long kNoDelay = CurrentTime;

}  // namespace

// The server has moved the pointer when the call returns, so a reading right after sees it.
void LinuxPointer::setCursorPos(ScreenPoint p) {
    XTestFakeMotionEvent(x_.display(), x_.screen(), p.x, p.y, kNoDelay);
    XSync(x_.display(), False);
}

ScreenPoint LinuxPointer::getCursorPos() {
    Window root = None, child = None;
    int rootX = 0, rootY = 0, windowX = 0, windowY = 0;
    unsigned int buttons = 0;
    XQueryPointer(x_.display(), x_.root(), &root, &child, &rootX, &rootY, &windowX, &windowY, &buttons);
    return {rootX, rootY};
}

void LinuxPointer::leftButtonDown() {
    XTestFakeButtonEvent(x_.display(), kLeftButton, True, kNoDelay);
    XSync(x_.display(), False);
}

void LinuxPointer::leftButtonUp() {
    XTestFakeButtonEvent(x_.display(), kLeftButton, False, kNoDelay);
    XSync(x_.display(), False);
}

void LinuxPointer::setShape(PointerShape shape) { SetProgramPointerShape(shape); }

}  // namespace mipro::linux_x11
