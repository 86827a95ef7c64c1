// The screen: its size, the windows under points, device contexts and the magnifier window.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "base/picture.h"
#include "base/types.h"

namespace mipro {

// Events of the magnifier window, delivered while the core lets pending events run.
class MagnifierEvents {
public:
    virtual ~MagnifierEvents() = default;
    virtual void Form_KeyDown(int keyCode) = 0;
    // Button: 1 left, 2 right, 4 middle.
    virtual void Form_MouseUp(int button) = 0;
    virtual void Form_Unload() = 0;
};

// frmMAG: a 307 x 307 pixel window without a title bar.
class MagnifierWindow {
public:
    virtual ~MagnifierWindow() = default;
    virtual void move(double leftTwips, double topTwips) = 0;
    virtual double left() = 0;
    virtual double top() = 0;
    virtual void resize(double widthTwips, double heightTwips) = 0;
    virtual void show() = 0;
    virtual void focus() = 0;
    // The seven 300 x 300 guide frames side by side, the source of andGuideFrame.
    virtual void loadGuide(const Picture& guide) = 0;
    // StretchBlt of the 100 x 100 square at (srcX, srcY) of `source` to 300 x 300 at the view's corner.
    virtual void stretchFrom(DeviceContext source, int srcX, int srcY) = 0;
    // BitBlt SRCAND of guide frame `frame` (300 x 300) over the view.
    virtual void andGuideFrame(int frame) = 0;
    virtual void textOut(int x, int y, const std::string& text, ColourValue colour) = 0;
};

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
