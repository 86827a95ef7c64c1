// The system side's own connection to the X server, apart from GTK's: the pointer input, the
// screen reads and the drawing on the screen go through it.
#pragma once

// Xlib's display type, declared as Xlib.h declares it. The headers of editions/linux that the
// GTK side includes leave Xlib.h out: its True, False and None macros would turn the core's
// Boolean constants of the same names into other values.
typedef struct _XDisplay Display;

namespace mipro::linux_x11 {

// Xlib's Window, an XID.
using XWindow = unsigned long;

// Opens the display named (the one GTK opened; empty: the one $DISPLAY names) and closes it with the object, which must outlive
// everything made with it. An X error on this connection never ends the program: other
// clients' windows come and go at any moment, so a request about a window that has just vanished
// fails (BadWindow, BadMatch, BadDrawable) and the call that made it answers "no window" or empty
// instead.
class X11Connection {
public:
    explicit X11Connection(const char* displayName = nullptr);
    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    // False when no X server could be reached; nothing else may then be asked of the connection.
    bool opened() const { return display_ != nullptr; }
    Display* display() const { return display_; }
    // The default screen and its root window: screen coordinates are the root's coordinates.
    int screen() const;
    XWindow root() const;
    // Whether the server has the XTEST extension, through which the pointer is driven.
    bool hasTestExtension() const;

private:
    Display* display_;
};

}  // namespace mipro::linux_x11
