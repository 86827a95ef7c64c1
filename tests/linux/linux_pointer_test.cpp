// The pointer moved by the program, while another program (a window manager taking a click) holds
// the pointer still for a moment.
#include "editions/linux/linux_pointer.h"

#include <chrono>
#include <thread>

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

}  // namespace
}  // namespace mipro::testing
