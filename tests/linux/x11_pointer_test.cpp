// The pointer on X11: positions put with XTest read back from the server, and the injected
// left-button events reach the window under the pointer.
#include "platform/linux/linux_pointer.h"

#include "x_test_display.h"

namespace mipro::testing {

namespace {

using linux_x11::LinuxPointer;

class X11PointerTest : public XDisplayTest {};

TEST_F(X11PointerTest, APositionPutReadsBack) {
    LinuxPointer pointer(system);
    const ScreenPoint places[] = {{0, 0}, {640, 512}, {17, 903}, {screenWidth - 1, screenHeight - 1}};
    for (const ScreenPoint p : places) {
        pointer.setCursorPos(p);
        EXPECT_EQ(pointer.getCursorPos(), p) << p.x << "," << p.y;
    }
}

TEST_F(X11PointerTest, AReadingFollowsAMoveByAnotherClient) {
    LinuxPointer pointer(system);
    pointer.setCursorPos({10, 10});
    XWarpPointer(display, None, root, 0, 0, 0, 0, 321, 123);
    XSync(display, False);
    EXPECT_EQ(pointer.getCursorPos(), (ScreenPoint{321, 123}));
}

TEST_F(X11PointerTest, LeftButtonEventsReachTheWindowUnderThePointer) {
    const Window target = MakeWindow({300, 300, 100, 80}, WhitePixel(display, DefaultScreen(display)));
    XSelectInput(display, target, ButtonPressMask | ButtonReleaseMask);
    XSync(display, False);
    LinuxPointer pointer(system);
    pointer.setCursorPos({345, 330});

    pointer.leftButtonDown();
    XEvent press{};
    ASSERT_TRUE(NextEvent(ButtonPress, press));
    pointer.leftButtonUp();
    XEvent release{};
    ASSERT_TRUE(NextEvent(ButtonRelease, release));

    EXPECT_EQ(press.xbutton.window, target);
    EXPECT_EQ(press.xbutton.button, static_cast<unsigned>(Button1));
    EXPECT_EQ(press.xbutton.x, 45);
    EXPECT_EQ(press.xbutton.y, 30);
    EXPECT_EQ(release.xbutton.button, static_cast<unsigned>(Button1));
    EXPECT_EQ(release.xbutton.x_root, 345);
    EXPECT_EQ(release.xbutton.y_root, 330);
}

}  // namespace

}  // namespace mipro::testing
