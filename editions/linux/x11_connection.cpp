#include "editions/linux/x11_connection.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

namespace mipro::linux_x11 {

namespace {

// The error handler is one for the whole process and shared with GTK's connection: errors on
// the system side's connections are dropped, any other goes to the handler that was in place
// before (GDK's, or Xlib's default, which ends the program).
std::vector<Display*> g_ownDisplays;
XErrorHandler g_previousHandler = nullptr;
bool g_handlerInstalled = false;

int OnXError(Display* display, XErrorEvent* event) {
    const bool own = std::find(g_ownDisplays.begin(), g_ownDisplays.end(), display) != g_ownDisplays.end();
    if (own || !g_previousHandler) return 0;
    return g_previousHandler(display, event);
}

void InstallErrorHandler() {
    if (g_handlerInstalled) return;
    g_previousHandler = XSetErrorHandler(OnXError);
    g_handlerInstalled = true;
}

// An X server refuses now and then a connection that follows another client's close too closely,
// so a refusal is met by asking again a few times.
Display* OpenDisplay(const char* name) {
    constexpr int kTries = 5;
    constexpr auto kPause = std::chrono::milliseconds(20);
    Display* display = XOpenDisplay(name);
    for (int tries = 1; tries < kTries && !display; ++tries) {
        std::this_thread::sleep_for(kPause);
        display = XOpenDisplay(name);
    }
    return display;
}

}  // namespace

X11Connection::X11Connection(const char* displayName) : display_(OpenDisplay(displayName)) {
    if (!display_) return;
    g_ownDisplays.push_back(display_);
    InstallErrorHandler();
}

int X11Connection::screen() const { return DefaultScreen(display_); }

XWindow X11Connection::root() const { return DefaultRootWindow(display_); }

bool X11Connection::hasTestExtension() const {
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    return XTestQueryExtension(display_, &eventBase, &errorBase, &major, &minor) != 0;
}

X11Connection::~X11Connection() {
    if (!display_) return;
    XCloseDisplay(display_);
    std::erase(g_ownDisplays, display_);
}

}  // namespace mipro::linux_x11
