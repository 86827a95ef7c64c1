#include "editions/linux/linux_pointer.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "editions/linux/pointer_shape.h"

namespace mipro::linux_x11 {

namespace {

constexpr unsigned kLeftButton = 1;
// XTest delay: the event happens at once.
constexpr unsigned long kNoDelay = CurrentTime;
// How long a move waits for a pointer another program holds still, and how often it looks.
constexpr auto kHeldPointerWait = std::chrono::seconds(1);
constexpr auto kHeldPointerPoll = std::chrono::milliseconds(1);

}  // namespace

// The pointer is there when the call returns (see move), so a reading right after sees it.
void LinuxPointer::setCursorPos(ScreenPoint p) {
    move(p);
    guard_.placed(p);
}

ScreenPoint LinuxPointer::getCursorPos() { return guard_.reading(read()); }

// The server moves the pointer at once, unless a window manager holds the pointer still for a
// moment: it grabs a click on a window so as to focus it, and the server keeps the pointer's events
// until the manager lets the click through. The move waits for the pointer to get there, a short
// while at most (a hand on the mouse keeps it elsewhere), so that a reading right after does not
// take the old place for a hand.
void LinuxPointer::move(ScreenPoint p) {
    injected(XTestFakeMotionEvent(x_.display(), x_.screen(), p.x, p.y, kNoDelay));
    XSync(x_.display(), False);
    const auto deadline = std::chrono::steady_clock::now() + kHeldPointerWait;
    while (read() != p && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(kHeldPointerPoll);
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
    injected(XTestFakeButtonEvent(x_.display(), kLeftButton, press ? True : False, kNoDelay));
    XSync(x_.display(), False);
}

// XTest answers 0 when the server cannot take injected input (it lacks the extension): nothing
// the program does then moves the pointer, which standard error tells once.
void LinuxPointer::injected(int accepted) {
    if (accepted != 0 || refusal_told_) return;
    std::fprintf(stderr, "mipro: the X server refused injected pointer input (XTest)\n");
    refusal_told_ = true;
}

void LinuxPointer::leftButtonDown() { button(true, guard_.press(read())); }
void LinuxPointer::leftButtonUp() { button(false, guard_.release(read())); }

void LinuxPointer::setShape(PointerShape shape) { SetProgramPointerShape(shape); }

}  // namespace mipro::linux_x11
