// The screen: its size, the windows under points, device contexts and the magnifier window.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "base/picture.h"
#include "base/types.h"
#include "interfaces/magnifier_window.h"

namespace mipro {

// The class name the X11 platform gives the desktop.
constexpr const char* kX11DesktopClass = "_NET_WM_WINDOW_TYPE_DESKTOP";

class Screen {
public:
    virtual ~Screen() = default;
    virtual double widthTwips() = 0;
    virtual double heightTwips() = 0;
    // Whole numbers (1440 over the dots per inch, to the nearest), the same the platform converts
    // its own windows' twips with.
    virtual double twipsPerPixelX() = 0;
    virtual double twipsPerPixelY() = 0;
    // The display's scale as browsers take it: 1 at 96 dots per inch, 1.5 at 144.
    virtual double displayScale() = 0;

    virtual WindowHandle windowFromPoint(ScreenPoint p) = 0;
    virtual bool isWindow(WindowHandle h) = 0;
    // The class name, or empty when it cannot be read. On X11 that is the class of the top-level
    // client's WM_CLASS, and the root window and desktop windows (EWMH type desktop) answer
    // kX11DesktopClass.
    virtual std::string className(WindowHandle h) = 0;

    virtual WindowHandle desktopWindow() = 0;
    // GetDC(h); h = 0 is the whole screen.
    virtual DeviceContext getDC(WindowHandle h) = 0;
    virtual void releaseDC(WindowHandle h, DeviceContext dc) = 0;
    virtual void drawFocusRect(DeviceContext dc, ScreenRect r) = 0;
    virtual void setPixel(DeviceContext dc, int x, int y, ColourValue colour) = 0;
    // What the screen shows in the rectangle (right and bottom exclusive), red in the low byte:
    // pixel (0, 0) is the rectangle's top-left corner, black where it reaches past the screen.
    // Nothing when the screen could not be read.
    virtual std::optional<Picture> readPixels(ScreenRect area) = 0;

    virtual std::unique_ptr<MagnifierWindow> loadMagnifier(MagnifierEvents& events) = 0;
};

}  // namespace mipro
