// The program's windows as a desktop treats them, with or without a window manager (the runner
// starts one or not): the main window minimised and restored, kept above others, and the
// magnifier taking the keyboard when shown, so its arrow keys reach it.
#include "editions/linux/gtk_magnifier_window.h"
#include "editions/linux/gtk_main_window.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include "x_test_display.h"

#include <gdk/gdkx.h>

namespace mipro::testing {

namespace {

using linux_x11::GtkMagnifierWindow;
using linux_x11::GtkMainWindow;
using linux_x11::X11Screen;

// How often the test looks before it gives up on the window system (half a minute: a busy
// machine's window manager takes seconds).
constexpr int kSettleTries = 1500;
constexpr auto kSettlePause = std::chrono::milliseconds(20);

class CountedEvents : public MainWindowEvents {
public:
    void Control_Click(ControlRef) override {}
    void tmrWakeup_Timer() override {}
    void Form_MouseUp() override {}
    void Form_Resize() override { ++resizes; }
    Boolean Form_QueryUnload(int) override { return False; }
    void Form_Unload() override {}
    void Session_End() override {}
    int resizes = 0;
};

class NoMagnifierEvents : public MagnifierEvents {
public:
    void Form_KeyDown(MagnifierKey) override {}
    void Form_MouseUp(MouseButton) override {}
    void Form_Unload() override {}
};

class DesktopWindowsTest : public XDisplayTest {
protected:
    void SetUp() override {
        XDisplayTest::SetUp();
        if (IsSkipped()) return;
        if (!gtk_init_check(nullptr, nullptr)) GTEST_SKIP() << "GTK cannot open the display";
    }

    // Lets GTK run until `done` holds, at most half a minute; whether it came to hold.
    bool Settle(const std::function<bool()>& done) {
        for (int tries = 0; tries < kSettleTries; ++tries) {
            while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
            if (done()) return true;
            std::this_thread::sleep_for(kSettlePause);
        }
        return false;
    }

    // A window manager names its own window on the root; one that has gone leaves the name behind.
    bool WindowManagerRuns() {
        const std::vector<Atom> check = Atoms(root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
        if (check.empty()) return false;
        Window ignored = None, *children = nullptr;
        unsigned count = 0;
        XQueryTree(display, root, &ignored, &ignored, &children, &count);
        const bool exists = std::find(children, children + count, static_cast<Window>(check.front())) != children + count;
        if (children) XFree(children);
        return exists;
    }

    std::vector<Atom> Atoms(Window w, const char* property, Atom type) {
        Atom actual = None;
        int format = 0;
        unsigned long items = 0, remaining = 0;
        unsigned char* data = nullptr;
        std::vector<Atom> atoms;
        if (XGetWindowProperty(display, w, XInternAtom(display, property, False), 0, 64, False, type, &actual,
                               &format, &items, &remaining, &data) == Success && data && format == 32) {
            const auto* values = reinterpret_cast<const unsigned long*>(data);
            atoms.assign(values, values + items);
        }
        if (data) XFree(data);
        return atoms;
    }

    bool HasState(Window w, const char* state) {
        const Atom wanted = XInternAtom(display, state, False);
        for (Atom a : Atoms(w, "_NET_WM_STATE", XA_ATOM)) {
            if (a == wanted) return true;
        }
        return false;
    }

    // A window manager marks the windows it has taken on with WM_STATE.
    bool Managed(Window w) {
        const Atom wmState = XInternAtom(display, "WM_STATE", False);
        return !Atoms(w, "WM_STATE", wmState).empty();
    }

    bool Viewable(Window w) {
        XWindowAttributes a{};
        return XGetWindowAttributes(display, w, &a) && a.map_state == IsViewable;
    }

    // GTK takes the focus offered by a window manager on a hidden child of its window.
    Window ParentOf(Window w) {
        Window rootFound = None, parent = None, *children = nullptr;
        unsigned count = 0;
        if (w == None || w == PointerRoot || !XQueryTree(display, w, &rootFound, &parent, &children, &count)) return None;
        if (children) XFree(children);
        return parent;
    }

    static Window XidOf(GtkWidget* widget) {
        GdkWindow* w = gtk_widget_get_window(widget);
        return w ? gdk_x11_window_get_xid(w) : None;
    }
};

TEST_F(DesktopWindowsTest, TheMainWindowMinimisesAndComesBack) {
    if (!WindowManagerRuns()) GTEST_SKIP() << "minimising is a window manager's work";
    X11Screen screen(system);
    GtkMainWindow window(screen.twipsPerPixelX(), screen.twipsPerPixelY());
    CountedEvents events;
    window.create(events);
    window.showWindow(true);
    const Window xid = XidOf(window.handle());
    ASSERT_TRUE(Settle([&] { return Viewable(xid); })) << "shown";

    ASSERT_TRUE(Settle([&] { return Managed(xid); })) << "taken on by the window manager";

    window.minimize();
    EXPECT_TRUE(Settle([&] { return !Viewable(xid); })) << "minimised";
    EXPECT_TRUE(Settle([&] { return events.resizes == 1; })) << "and told so";
    window.restore();
    EXPECT_TRUE(Settle([&] { return Viewable(xid); })) << "restored";
    EXPECT_TRUE(Settle([&] { return events.resizes == 2; })) << "and told so";
}

TEST_F(DesktopWindowsTest, TheMainWindowIsKeptAboveOnlyWhileAsked) {
    if (!WindowManagerRuns()) GTEST_SKIP() << "keeping above is a window manager's work";
    X11Screen screen(system);
    GtkMainWindow window(screen.twipsPerPixelX(), screen.twipsPerPixelY());
    CountedEvents events;
    window.create(events);
    window.showWindow(true);
    const Window xid = XidOf(window.handle());
    ASSERT_TRUE(Settle([&] { return Viewable(xid); }));

    window.setTopmost(true);
    EXPECT_TRUE(Settle([&] { return HasState(xid, "_NET_WM_STATE_ABOVE"); }));
    window.setTopmost(false);
    EXPECT_TRUE(Settle([&] { return !HasState(xid, "_NET_WM_STATE_ABOVE"); }));
}

TEST_F(DesktopWindowsTest, TheMagnifierTakesTheKeyboardWhenShown) {
    X11Screen screen(system);
    NoMagnifierEvents events;
    GtkMagnifierWindow mag(events, screen);
    mag.move(300.0 * screen.twipsPerPixelX(), 200.0 * screen.twipsPerPixelY());
    mag.show();
    const Window xid = XidOf(mag.handle());
    const auto focused = [&] {
        Window focus = None;
        int revert = 0;
        XGetInputFocus(display, &focus, &revert);
        return focus == xid || ParentOf(focus) == xid;
    };
    EXPECT_TRUE(Settle(focused));
    if (WindowManagerRuns()) {
        EXPECT_TRUE(HasState(xid, "_NET_WM_STATE_ABOVE")) << "kept above";
    }
}

}  // namespace

}  // namespace mipro::testing
