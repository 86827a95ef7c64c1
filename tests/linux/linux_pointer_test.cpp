// The pointer moved by the program, while another program (a window manager taking a click) holds
// the pointer still for a moment, and the keys typed after such a click.
#include "editions/linux/linux_pointer.h"

#include <atomic>
#include <string>
#include <chrono>
#include <thread>

#include "editions/linux/linux_keyboard.h"
#include "tests/linux/x_test_display.h"

namespace mipro::testing {
namespace {

using namespace std::chrono_literals;

// Longer than a reading right after a move takes, shorter than the move waits at most.
constexpr auto kHeld = 80ms;

class LinuxPointerTest : public XDisplayTest {};

// The test's connection grabs the pointer as window managers grab a click (synchronous: the server
// keeps the pointer's events until the grab lets them through), and lets go a moment later.
TEST_F(LinuxPointerTest, AMoveIsSeenWhereItWentAfterAGrabHeldThePointer) {
    linux_x11::LinuxPointer pointer(system);
    const ScreenPoint from{100, 100}, to{140, 120};
    pointer.setCursorPos(from);
    ASSERT_EQ(pointer.getCursorPos(), from);

    ASSERT_EQ(XGrabPointer(display, root, False, ButtonPressMask, GrabModeSync, GrabModeAsync, None, None, CurrentTime),
              GrabSuccess);
    XSync(display, False);
    std::thread letGo([this] {
        std::this_thread::sleep_for(kHeld);
        XUngrabPointer(display, CurrentTime);
        XSync(display, False);
    });
    pointer.setCursorPos(to);
    const ScreenPoint seen = pointer.getCursorPos();
    letGo.join();
    EXPECT_EQ(seen, to) << "read " << seen.x << "," << seen.y;
}

// A window manager that takes every press on a window first (a synchronous button grab, as click to
// focus has it), thinks a moment, and lets the press through to the window (ReplayPointer). Meanwhile
// the server keeps the events that follow the press: each must still reach the window, in order.
class SlowWindowManager {
public:
    explicit SlowWindowManager(Window client, std::chrono::milliseconds thinks = 4ms)
        : display_(XOpenDisplay(nullptr)), thinks_(thinks) {
        XGrabButton(display_, Button1, AnyModifier, client, False, ButtonPressMask, GrabModeSync, GrabModeAsync,
                    None, None);
        XSync(display_, False);
        thread_ = std::thread([this] { replayPresses(); });
    }
    ~SlowWindowManager() {
        stop_ = true;
        thread_.join();
        XCloseDisplay(display_);
    }

private:
    void replayPresses() {
        while (!stop_) {
            while (XPending(display_) > 0) {
                XEvent e;
                XNextEvent(display_, &e);
                if (e.type != ButtonPress) continue;
                std::this_thread::sleep_for(thinks_);
                XAllowEvents(display_, ReplayPointer, e.xbutton.time);
                XFlush(display_);
            }
            std::this_thread::sleep_for(1ms);
        }
    }

    Display* display_;
    const std::chrono::milliseconds thinks_;
    std::atomic<bool> stop_ = false;
    std::thread thread_;
};

// The button events a window received, where they happened: "P100,100 R100,100 ...", and its
// key presses ("K"), until as many releases and keys as wanted have come or a while has passed.
std::string ButtonEventsSeen(Display* display, int releasesWanted, int keysWanted = 0) {
    std::string seen;
    int releases = 0, keys = 0;
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while ((releases < releasesWanted || keys < keysWanted) && std::chrono::steady_clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent e;
            XNextEvent(display, &e);
            if (e.type == KeyPress) {
                seen += "K ";
                ++keys;
            }
            if (e.type != ButtonPress && e.type != ButtonRelease) continue;
            seen += e.type == ButtonPress ? 'P' : 'R';
            seen += std::to_string(e.xbutton.x_root) + "," + std::to_string(e.xbutton.y_root) + " ";
            releases += e.type == ButtonRelease;
        }
        std::this_thread::sleep_for(1ms);
    }
    return seen;
}

// Clicks in quick succession on one spot, then a move away: the window sees every press and every
// release on the spot, each press followed by its own release, and the move only after the last.
TEST_F(LinuxPointerTest, ClicksReachAWindowWhoseWindowManagerTakesEachPressFirst) {
    constexpr int kClicks = 40;
    const Window client = MakeWindow({50, 50, 200, 200}, PixelFor(255, 255, 255));
    XSelectInput(display, client, ButtonPressMask | ButtonReleaseMask);
    XSync(display, False);
    SlowWindowManager manager(client);

    linux_x11::LinuxPointer pointer(system);
    const ScreenPoint spot{100, 100}, away{180, 160};
    std::string wanted;
    for (int i = 0; i < kClicks; ++i) {
        pointer.setCursorPos(spot);
        pointer.leftButtonDown();
        pointer.setCursorPos(spot);
        pointer.leftButtonUp();
        wanted += "P100,100 R100,100 ";
    }
    pointer.setCursorPos(away);
    EXPECT_EQ(ButtonEventsSeen(display, kClicks), wanted);
}

// A window manager that thinks longer than a pointer event waits for it: the keys typed after the
// click still reach the window after the click, never before it (they would go to whatever held
// the focus, a board's shortcuts).
TEST_F(LinuxPointerTest, KeysAfterAClickWaitForTheWindowManagerToLetTheClickThrough) {
    const Window client = MakeWindow({50, 50, 200, 200}, PixelFor(255, 255, 255));
    XSelectInput(display, client, ButtonPressMask | ButtonReleaseMask | KeyPressMask);
    XSetInputFocus(display, client, RevertToParent, CurrentTime);
    XSync(display, False);
    SlowWindowManager manager(client, 1500ms);

    linux_x11::LinuxPointer pointer(system);
    linux_x11::LinuxKeyboard keyboard(system, pointer);
    const ScreenPoint field{100, 100};
    pointer.setCursorPos(field);
    pointer.leftButtonDown();
    pointer.setCursorPos(field);
    pointer.leftButtonUp();
    keyboard.typeCode("1a");
    EXPECT_EQ(ButtonEventsSeen(display, 1, 2), "P100,100 R100,100 K K ");
}

}  // namespace
}  // namespace mipro::testing
