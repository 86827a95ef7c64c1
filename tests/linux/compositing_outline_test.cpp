// The focus rectangle on a compositing desktop (run under xfwm4 with its compositor on): shown as a
// window of its own, it stays on the screen through the compositor's repaints and goes with the
// second drawing, lets the pointer's clicks through to the window below, is never the window
// found under a point and never takes the focus.
#include "editions/linux/linux_pointer.h"
#include "editions/linux/x11_compositing.h"
#include "editions/linux/x11_screen.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "x_test_display.h"

namespace mipro::testing {

namespace {

using linux_x11::CompositingManagerRuns;
using linux_x11::LinuxPointer;
using linux_x11::X11Screen;

constexpr int kPollTries = 150;
constexpr auto kPollPause = std::chrono::milliseconds(20);
// Long enough for a compositor to have repainted what was damaged.
constexpr auto kRepaintPause = std::chrono::milliseconds(300);

constexpr ColourValue kBlack = 0x000000;
constexpr ColourValue kWhite = 0xFFFFFF;
constexpr ColourValue kGrey = 0x808080;
constexpr int kWindowWidth = 300, kWindowHeight = 200;
// Around the outline, the pixels that must stay as they were.
constexpr int kMargin = 3;

bool Poll(const std::function<bool()>& done) {
    for (int tries = 0; tries < kPollTries; ++tries) {
        if (done()) return true;
        std::this_thread::sleep_for(kPollPause);
    }
    return false;
}

bool OnOutline(ScreenRect r, int x, int y) {
    const bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
    return inside && (x == r.left || x == r.right - 1 || y == r.top || y == r.bottom - 1);
}

ScreenRect Widened(ScreenRect r) { return {r.left - kMargin, r.top - kMargin, r.right + kMargin, r.bottom + kMargin}; }

class CompositedOutline : public XDisplayTest {
protected:
    void SetUp() override {
        XDisplayTest::SetUp();
        if (IsSkipped()) return;
        screen_.emplace(system);
        ASSERT_TRUE(Poll([&] { return CompositingManagerRuns(display, DefaultScreen(display)); }))
            << "no compositing manager on the display: run under xfwm4 (under_window_manager.sh xfwm4)";
        below_ = MakeManagedWindow();
        ASSERT_NE(below_, None);
        ASSERT_TRUE(Poll([&] { return Shows(Widened(outline_), [](int, int) { return kGrey; }); }))
            << "the window below is not on the screen";
    }

    // An ordinary grey window, framed and placed by the window manager, that counts its presses.
    Window MakeManagedWindow() {
        const Window w = XCreateSimpleWindow(display, root, 100, 100, kWindowWidth, kWindowHeight, 0, 0,
                                             PixelFor(0x80, 0x80, 0x80));
        SetClass(w, "below", "Below");
        XSelectInput(display, w, ButtonPressMask | StructureNotifyMask);
        XMapRaised(display, w);
        XSync(display, False);
        XEvent mapped{};
        if (!Poll([&] { return XCheckTypedWindowEvent(display, w, MapNotify, &mapped); })) return None;
        Window child = None;
        int x = 0, y = 0;
        XTranslateCoordinates(display, w, root, 0, 0, &x, &y, &child);
        outline_ = {x + 40, y + 30, x + 141, y + 110};
        return w;
    }

    // Whether the screen around the outline shows `expected(x, y)` at each pixel.
    bool Shows(ScreenRect area, const std::function<ColourValue(int, int)>& expected) {
        const std::optional<Picture> read = screen_->readPixels(area);
        if (!read) return false;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if (read->point(x - area.left, y - area.top) != expected(x, y)) return false;
            }
        }
        return true;
    }

    // The outline's pixels black where x + y is even and white elsewhere, the window grey around.
    bool ShowsOutline() {
        const ScreenRect r = outline_;
        return Shows(Widened(r), [r](int x, int y) {
            if (!OnOutline(r, x, y)) return kGrey;
            return (x + y) % 2 == 0 ? kBlack : kWhite;
        });
    }

    bool ShowsNoOutline(std::optional<ScreenRect> r = std::nullopt) {
        return Shows(Widened(r.value_or(outline_)), [](int, int) { return kGrey; });
    }

    // Damages the window below, as its own drawing would, so the compositor paints that place anew.
    void RepaintBelow() {
        XClearArea(display, below_, 0, 0, 0, 0, True);
        XSync(display, False);
        std::this_thread::sleep_for(kRepaintPause);
    }

    int OverlaysOnScreen() {
        const Atom marker = XInternAtom(display, "_MIPRO_OVERLAY", False);
        Window rootFound = None, parent = None, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display, root, &rootFound, &parent, &children, &count)) return -1;
        int overlays = 0;
        for (unsigned i = 0; i < count; ++i) {
            int propertyCount = 0;
            Atom* properties = XListProperties(display, children[i], &propertyCount);
            for (int p = 0; p < propertyCount; ++p) overlays += properties[p] == marker;
            if (properties) XFree(properties);
        }
        if (children) XFree(children);
        return overlays;
    }

    void TearDown() override {
        if (below_ != None) XDestroyWindow(display, below_);
        XDisplayTest::TearDown();
    }

    // Made once the display is known to be there.
    std::optional<X11Screen> screen_;
    Window below_ = None;
    ScreenRect outline_{};
};

TEST_F(CompositedOutline, ShowsThroughTheCompositorsRepaintsAndGoesWithTheSecondDrawing) {
    const DeviceContext dc = screen_->getDC(0);
    screen_->drawFocusRect(dc, outline_);
    EXPECT_TRUE(Poll([&] { return ShowsOutline(); })) << "shown";
    RepaintBelow();
    EXPECT_TRUE(ShowsOutline()) << "still shown after the compositor painted the window below again";

    screen_->drawFocusRect(dc, outline_);
    EXPECT_TRUE(Poll([&] { return ShowsNoOutline(); })) << "taken away";
    RepaintBelow();
    EXPECT_TRUE(ShowsNoOutline()) << "no stray outline after a repaint";
    screen_->releaseDC(0, dc);
}

TEST_F(CompositedOutline, ClicksAndThePointerPassThroughToTheWindowBelow) {
    Window focusBefore = None;
    int revert = 0;
    XGetInputFocus(display, &focusBefore, &revert);
    const DeviceContext dc = screen_->getDC(0);
    screen_->drawFocusRect(dc, outline_);
    ASSERT_TRUE(Poll([&] { return ShowsOutline(); }));

    const ScreenPoint onTopSide{outline_.left + 10, outline_.top};
    const ScreenPoint onLeftSide{outline_.left, outline_.top + 11};
    for (const ScreenPoint p : {onTopSide, onLeftSide}) {
        EXPECT_EQ(screen_->windowFromPoint(p), static_cast<WindowHandle>(below_)) << p.x << "," << p.y;
        LinuxPointer pointer(system);
        pointer.setCursorPos(p);
        pointer.leftButtonDown();
        pointer.leftButtonUp();
        XEvent press{};
        ASSERT_TRUE(Poll([&] { return XCheckTypedWindowEvent(display, below_, ButtonPress, &press); }))
            << "the press at " << p.x << "," << p.y << " reached the window below";
        EXPECT_EQ(press.xbutton.x_root, p.x);
        EXPECT_EQ(press.xbutton.y_root, p.y);
    }
    Window focusAfter = None;
    XGetInputFocus(display, &focusAfter, &revert);
    EXPECT_EQ(focusAfter, focusBefore) << "the outline took no focus";

    screen_->drawFocusRect(dc, outline_);
    screen_->releaseDC(0, dc);
}

// The way out of a loop that ends without erasing, and the session's end.
TEST_F(CompositedOutline, NoOutlineOutlivesTheLastContextOrTheSession) {
    // Beside the first, in the same window.
    const ScreenRect beside{outline_.right + 20, outline_.top, outline_.right + 100, outline_.bottom};
    const DeviceContext first = screen_->getDC(0);
    const DeviceContext second = screen_->getDC(0);
    screen_->drawFocusRect(first, outline_);
    screen_->drawFocusRect(second, beside);
    ASSERT_TRUE(Poll([&] { return ShowsOutline(); }));
    // The compositor paints the second window in its own time.
    EXPECT_TRUE(Poll([&] { return !ShowsNoOutline(beside); })) << "the second outline shows";
    EXPECT_EQ(OverlaysOnScreen(), 2);

    screen_->releaseDC(0, first);
    EXPECT_EQ(OverlaysOnScreen(), 2) << "a context still held keeps both";
    screen_->releaseDC(0, second);
    EXPECT_TRUE(Poll([&] { return ShowsNoOutline() && ShowsNoOutline(beside); }));
    EXPECT_EQ(OverlaysOnScreen(), 0);

    const DeviceContext dc = screen_->getDC(0);
    screen_->drawFocusRect(dc, outline_);
    ASSERT_TRUE(Poll([&] { return ShowsOutline(); }));
    screen_->removeFocusOutlines();
    EXPECT_TRUE(Poll([&] { return ShowsNoOutline(); }));
    EXPECT_EQ(OverlaysOnScreen(), 0);
    screen_->releaseDC(0, dc);
}

}  // namespace

}  // namespace mipro::testing
