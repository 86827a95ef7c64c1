#include "editions/linux/linux_pointer.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include "editions/linux/pointer_shape.h"

namespace mipro::linux_x11 {

namespace {

constexpr unsigned kLeftButton = 1;
// XTest delay: the event happens at once.
constexpr unsigned long kNoDelay = CurrentTime;

}  // namespace

// The server has moved the pointer when the call returns, so a reading right after sees it.
void LinuxPointer::setCursorPos(ScreenPoint p) {
    move(p);
    guard_.placed(p);
}

ScreenPoint LinuxPointer::getCursorPos() { return guard_.reading(read()); }

void LinuxPointer::move(ScreenPoint p) {
    XTestFakeMotionEvent(x_.display(), x_.screen(), p.x, p.y, kNoDelay);
    XSync(x_.display(), False);
}

ScreenPoint LinuxPointer::read() {
    Window root = None, child = None;
    int rootX = 0, rootY = 0, windowX = 0, windowY = 0;
    unsigned int buttons = 0;
    XQueryPointer(x_.display(), x_.root(), &root, &child, &rootX, &rootY, &windowX, &windowY, &buttons);
    return {rootX, rootY};
}

// An event meant for the placement happens exactly there, also when the pointer lies a pixel off.
void LinuxPointer::button(bool press, HandGuard::Send send) {
    if (send == HandGuard::Send::Nothing) return;
    if (send == HandGuard::Send::AtPlacement && read() != *guard_.placement()) move(*guard_.placement());
    XTestFakeButtonEvent(x_.display(), kLeftButton, press ? True : False, kNoDelay);
    XSync(x_.display(), False);
}

void LinuxPointer::leftButtonDown() { button(true, guard_.press(read())); }
void LinuxPointer::leftButtonUp() { button(false, guard_.release(read())); }

void LinuxPointer::setShape(PointerShape shape) { SetProgramPointerShape(shape); }

}  // namespace mipro::linux_x11
