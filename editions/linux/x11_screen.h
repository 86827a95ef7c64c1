// The screen of the X server: its size and scale, the windows under points, drawing straight on
// the screen, and reading its pixels.
#pragma once

#include <chrono>
#include <map>
#include <unordered_map>

#include "base/picture.h"
#include "editions/linux/focus_outline.h"
#include "editions/linux/x11_connection.h"
#include "editions/linux/x11_pixel_format.h"
#include "interfaces/screen.h"

// Xlib's graphics context type, declared as Xlib.h declares it (see x11_connection.h).
typedef struct _XGC* GC;

namespace mipro::linux_x11 {

class X11Screen : public Screen {
public:
    explicit X11Screen(X11Connection& x);
    ~X11Screen() override;
    X11Screen(const X11Screen&) = delete;
    X11Screen& operator=(const X11Screen&) = delete;

    // The size in pixels over the twips of the desktop's dots per inch: the Xft.dpi resource,
    // read afresh each time, else 96.
    double widthTwips() override;
    double heightTwips() override;
    double twipsPerPixelX() override;
    double twipsPerPixelY() override;
    double displayScale() override;

    // The top-level client window at p (editions/linux/x11_window_tree.h); the root when no
    // window shows there. A draw run asks for the window under every pixel, so the server is asked
    // in one question where it can answer, and what does not change while a window lives (the
    // client found in a frame, a window's class, whether it shows pixels) is kept once known.
    WindowHandle windowFromPoint(ScreenPoint p) override;
    // A window windowFromPoint has just named is one without asking again (see named).
    bool isWindow(WindowHandle h) override;
    std::string className(WindowHandle h) override;

    WindowHandle desktopWindow() override;
    // A drawing context on the whole screen, over every window, whichever window is named. One
    // taken while a compositing manager runs draws its focus rectangles as windows of their own
    // (focus_outline.h), when the server can shape windows.
    DeviceContext getDC(WindowHandle h) override;
    // Releasing the last context takes away any focus rectangle still shown as a window.
    void releaseDC(WindowHandle h, DeviceContext dc) override;
    // The rectangle's outline, one pixel wide, in every other pixel, inverted: drawing the same
    // rectangle again gives the screen back as it was. As windows: every other pixel black, the
    // others white, and the second drawing takes the outline away.
    void drawFocusRect(DeviceContext dc, ScreenRect r) override;
    void setPixel(DeviceContext dc, int x, int y, ColourValue colour) override;
    // XGetImage of the root window; nothing when the server refuses it.
    std::optional<Picture> readPixels(ScreenRect area) override;

    // Defined with the GTK magnifier window, in gtk_magnifier_window.cpp.
    std::unique_ptr<MagnifierWindow> loadMagnifier(MagnifierEvents& events) override;

    // The screen's pixels in the rectangle at (x, y), red in the low byte; black where the
    // rectangle reaches past the screen's edges or the screen could not be read.
    Picture grab(int x, int y, int width, int height);

    // Takes away every focus rectangle shown as a window: the session's end.
    void removeFocusOutlines();

private:
    struct Context {
        GC gc;
        // Focus rectangles as windows rather than on the root.
        bool outlineWindows;
    };

    double dotsPerInch();
    // Whether a context taken now draws focus rectangles as windows.
    bool outlinesAsWindows();
    void invertOutline(GC gc, ScreenRect r);
    // The context, or null for a context that is not (or no longer) ours.
    const Context* context(DeviceContext dc) const;
    XWindow topLevelAt(ScreenPoint p);
    WindowHandle named(WindowHandle h);

    X11Connection& x_;
    PixelMasks masks_;
    bool input_shapes_;
    bool told_no_shapes_ = false;
    FocusOutlines outlines_;
    std::map<DeviceContext, Context> contexts_;
    DeviceContext next_context_ = 1;
    std::unordered_map<XWindow, XWindow> clients_;     // a frame's client window, once found
    std::unordered_map<XWindow, std::string> classes_;  // a window's class, once it has one
    std::unordered_map<XWindow, bool> shows_pixels_;    // whether a top-level window is InputOutput
    WindowHandle last_named_ = 0;                        // windowFromPoint's last answer, and when
    std::chrono::steady_clock::time_point named_at_;
};

}  // namespace mipro::linux_x11
