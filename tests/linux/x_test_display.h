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
#include <poll.h>

#include <chrono>
#include <string>
#include <vector>

#include "platform/linux/x11_connection.h"

namespace mipro::testing {

struct Rect {
    int x, y, width, height;
};

class XDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        display = XOpenDisplay(nullptr);
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

    // Destroys a window made here; the server has done it when this returns.
    void DestroyWindow(Window w) {
        XDestroyWindow(display, w);
        XSync(display, False);
        std::erase(windows_, w);
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

    // The next event of that type on the test's connection, waiting up to two seconds.
    bool NextEvent(int type, XEvent& event) {
        const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        for (;;) {
            while (XPending(display)) {
                XNextEvent(display, &event);
                if (event.type == type) return true;
            }
            const auto left = give_up - std::chrono::steady_clock::now();
            if (left <= std::chrono::steady_clock::duration::zero()) return false;
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(left).count()) + 1);
        }
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
