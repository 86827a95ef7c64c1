// The screen of the X server: its size and scale, the windows under points, drawing straight on
// the screen, and reading its pixels.
#pragma once

#include <map>

#include "base/picture.h"
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
    // window shows there.
    WindowHandle windowFromPoint(ScreenPoint p) override;
    bool isWindow(WindowHandle h) override;
    std::string className(WindowHandle h) override;

    WindowHandle desktopWindow() override;
    // A drawing context on the whole screen, over every window, whichever window is named.
    DeviceContext getDC(WindowHandle h) override;
    void releaseDC(WindowHandle h, DeviceContext dc) override;
    // The rectangle's outline, one pixel wide, in every other pixel, inverted: drawing the same
    // rectangle again gives the screen back as it was.
    void drawFocusRect(DeviceContext dc, ScreenRect r) override;
    void setPixel(DeviceContext dc, int x, int y, ColourValue colour) override;
    // XGetImage of the root window; nothing when the server refuses it.
    std::optional<Picture> readPixels(ScreenRect area) override;

    // Defined with the GTK magnifier window, in gtk_magnifier_window.cpp.
    std::unique_ptr<MagnifierWindow> loadMagnifier(MagnifierEvents& events) override;

    // The screen's pixels in the rectangle at (x, y), red in the low byte; black where the
    // rectangle reaches past the screen's edges or the screen could not be read.
    Picture grab(int x, int y, int width, int height);

private:
    double dotsPerInch();
    // The context's graphics context, or null for a context that is not (or no longer) ours.
    GC graphicsContext(DeviceContext dc) const;

    X11Connection& x_;
    PixelMasks masks_;
    std::map<DeviceContext, GC> contexts_;
    DeviceContext next_context_ = 1;
};

}  // namespace mipro::linux_x11
