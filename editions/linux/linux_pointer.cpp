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
// How long an event waits for a pointer another program holds still, and how often it looks.
constexpr auto kHeldPointerWait = std::chrono::seconds(1);
constexpr auto kHeldPointerPoll = std::chrono::milliseconds(1);
// How long a key waits for the program's last button event to be handled (see keyMayGo).
constexpr auto kHeldClickWaitForKeys = std::chrono::seconds(5);
// How long a reading of the pointer stands for where it is now (see recentReading).
constexpr auto kReadingStands = std::chrono::milliseconds(1);

template <typename Done>
bool WaitForHeldPointer(Done done, std::chrono::milliseconds limit = kHeldPointerWait) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(kHeldPointerPoll);
    }
}

}  // namespace

// The pointer is there when the call returns (see move), so a reading right after sees it.
void LinuxPointer::setCursorPos(ScreenPoint p) {
    move(p);
    guard_.placed(p);
}

ScreenPoint LinuxPointer::getCursorPos() { return guard_.reading(read().at); }

// The server handles an event at once, unless a window manager holds the pointer still: it grabs
// each click on a window (to focus and raise it) and the server keeps the pointer's later events
// until the manager lets the click through to the window. Events sent meanwhile pile up, and a
// pile of them reaches the window otherwise than sent: a move ahead of the release before it (a
// drag where a click was meant), a release and the next press lost. So every event waits until
// the server has handled it, a short while at most (a hand on the mouse keeps the pointer
// elsewhere, or the button down), and at most one event of the program's is ever held back. (The
// reading that asks is itself a round trip to the server, which takes requests in order: it
// answers only once the event has been handled, or held back.)
void LinuxPointer::move(ScreenPoint p) {
    injected(XTestFakeMotionEvent(x_.display(), x_.screen(), p.x, p.y, kNoDelay));
    WaitForHeldPointer([&] { return read().at == p; });
}

LinuxPointer::Reading LinuxPointer::read() {
    Window root = None, child = None;
    int rootX = 0, rootY = 0, windowX = 0, windowY = 0;
    unsigned int buttons = 0;
    XQueryPointer(x_.display(), x_.root(), &root, &child, &rootX, &rootY, &windowX, &windowY, &buttons);
    last_ = {{rootX, rootY}, (buttons & Button1Mask) != 0};
    lastAt_ = std::chrono::steady_clock::now();
    return last_;
}

// A button event follows the placement before it at once (or the press, with no pause between):
// the answer that placement's wait just had from the server tells where the pointer is as well as
// asking again would, and one round trip fewer a click keeps the speed's pauses on time while a
// page repaints and the server answers slowly. An older answer is asked again.
LinuxPointer::Reading LinuxPointer::recentReading() {
    if (std::chrono::steady_clock::now() - lastAt_ < kReadingStands) return last_;
    return read();
}

// An event meant for the placement happens exactly there, also when the pointer (`now`, as just
// read) lies a pixel off.
void LinuxPointer::button(bool press, ScreenPoint now, HandGuard::Send send) {
    if (send == HandGuard::Send::Nothing) return;
    if (send == HandGuard::Send::AtPlacement && now != *guard_.placement()) move(*guard_.placement());
    injected(XTestFakeButtonEvent(x_.display(), kLeftButton, press ? True : False, kNoDelay));
    leftSent_ = press;
    WaitForHeldPointer([&] { return read().leftHeld == press; });
}

// XTest answers 0 when the server cannot take injected input (it lacks the extension): nothing
// the program does then moves the pointer, which standard error tells once.
void LinuxPointer::injected(int accepted) {
    if (accepted != 0 || refusal_told_) return;
    std::fprintf(stderr, "mipro: the X server refused injected pointer input (XTest)\n");
    refusal_told_ = true;
}

void LinuxPointer::leftButtonDown() {
    const ScreenPoint now = recentReading().at;
    button(true, now, guard_.press(now));
}

void LinuxPointer::leftButtonUp() {
    const ScreenPoint now = recentReading().at;
    button(false, now, guard_.release(now));
}

// A window manager holds the pointer back, not the keyboard: keys sent while it still holds the
// program's click on a field would reach the page before the click that gives the field the focus,
// and go to the board as its shortcuts. So a key waits until the server has handled the program's
// last button event, and is not sent at all when that never happens.
bool LinuxPointer::keyMayGo() {
    if (!WaitForHeldPointer([&] { return read().leftHeld == leftSent_; }, kHeldClickWaitForKeys)) return false;
    return guard_.key(read().at);
}

void LinuxPointer::setShape(PointerShape shape) { SetProgramPointerShape(shape); }

}  // namespace mipro::linux_x11
