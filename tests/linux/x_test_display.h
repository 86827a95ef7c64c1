// The X display the tests run on, reached through a connection of the test's own: the test makes
// windows there as any other client would, and the system side (its own X11Connection) finds,
// reads, clicks and draws on them. Tests skip when no display can be opened.
//
// Include this after the core's headers: Xlib.h defines True, False and None as macros.
#pragma once

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <string>
#include <vector>

#include <unistd.h>

#include "editions/linux/x11_connection.h"

namespace mipro::testing {

struct Rect {
    int x, y, width, height;
};

class XDisplayTest : public ::testing::Test {
protected:
    static constexpr int kOpenTries = 5;
    static constexpr useconds_t kOpenRetryMicroseconds = 20000;

    void SetUp() override {
        // Xvfb refuses now and then a connection that follows a close too closely: ask again.
        for (int tries = 0; tries < kOpenTries && !display; ++tries) {
            if (tries > 0) usleep(kOpenRetryMicroseconds);
            display = XOpenDisplay(nullptr);
        }
        if (!display || !system.opened()) GTEST_SKIP() << "no X display (set DISPLAY, e.g. to an Xvfb)";
        root = DefaultRootWindow(display);
        screenWidth = DisplayWidth(display, DefaultScreen(display));
        screenHeight = DisplayHeight(display, DefaultScreen(display));
    }

    void TearDown() override {
        if (!display) return;
        for (Window w : windows_) XDestroyWindow(display, w);
        XCloseDisplay(display);
    }

    // The pixel value of a colour on the default visual, as the server itself allocates it.
    unsigned long PixelFor(int red, int green, int blue) {
        XColor colour{};
        colour.red = static_cast<unsigned short>(red * 257);
        colour.green = static_cast<unsigned short>(green * 257);
        colour.blue = static_cast<unsigned short>(blue * 257);
        XAllocColor(display, DefaultColormap(display, DefaultScreen(display)), &colour);
        return colour.pixel;
    }

    // A window that the window manager leaves alone (override-redirect), at exactly `r`, filled
    // with `background`. Mapped unless told otherwise; the server has shown it when this returns.
    Window MakeWindow(Rect r, unsigned long background, Window parent = None, bool map = true) {
        XSetWindowAttributes a{};
        a.override_redirect = True;
        a.background_pixel = background;
        const Window w = XCreateWindow(display, parent ? parent : root, r.x, r.y, static_cast<unsigned>(r.width),
                                       static_cast<unsigned>(r.height), 0, CopyFromParent, InputOutput,
                                       CopyFromParent, CWOverrideRedirect | CWBackPixel, &a);
        if (!parent) windows_.push_back(w);
        if (map) XMapWindow(display, w);
        XSync(display, False);
        return w;
    }

    void SetClass(Window w, const char* name, const char* cls) {
        XClassHint hint{const_cast<char*>(name), const_cast<char*>(cls)};
        XSetClassHint(display, w, &hint);
        XSync(display, False);
    }

    void SetAtoms(Window w, const char* property, const std::vector<const char*>& names) {
        std::vector<Atom> atoms;
        for (const char* name : names) atoms.push_back(XInternAtom(display, name, False));
        XChangeProperty(display, w, XInternAtom(display, property, False), XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(atoms.data()), static_cast<int>(atoms.size()));
        XSync(display, False);
    }

    // WM_STATE as a window manager sets it on the client windows it manages: NormalState.
    void MarkManaged(Window w) {
        const Atom wmState = XInternAtom(display, "WM_STATE", False);
        const long state[2] = {NormalState, None};
        XChangeProperty(display, w, wmState, wmState, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(state), 2);
        XSync(display, False);
    }

    linux_x11::X11Connection system;
    Display* display = nullptr;
    Window root = None;
    int screenWidth = 0;
    int screenHeight = 0;

private:
    std::vector<Window> windows_;
};

}  // namespace mipro::testing
