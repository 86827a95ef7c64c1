// The screen: size, the windows under points, device contexts and single pixels.
#pragma once

#include "interfaces/screen.h"

namespace mipro::win32 {

class Win32Screen : public Screen {
public:
    double widthTwips() override;
    double heightTwips() override;
    double twipsPerPixelX() override;
    double twipsPerPixelY() override;
    double displayScale() override;

    WindowHandle windowFromPoint(ScreenPoint p) override;
    bool isWindow(WindowHandle h) override;
    std::string className(WindowHandle h) override;

    WindowHandle desktopWindow() override;
    DeviceContext getDC(WindowHandle h) override;
    void releaseDC(WindowHandle h, DeviceContext dc) override;
    void drawFocusRect(DeviceContext dc, ScreenRect r) override;
    void setPixel(DeviceContext dc, int x, int y, ColourValue colour) override;
    // BitBlt from the screen's device context into a bitmap whose pixels are read in place.
    std::optional<Picture> readPixels(ScreenRect area) override;

    // Defined in win32_magnifier_window.cpp.
    std::unique_ptr<MagnifierWindow> loadMagnifier(MagnifierEvents& events) override;
};

}  // namespace mipro::win32
