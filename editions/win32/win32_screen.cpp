#include "editions/win32/win32_screen.h"

#include <windows.h>

#include "editions/win32/display_units.h"
#include "editions/win32/unicode_text.h"

namespace mipro::win32 {

namespace {

// Window class names are at most 256 characters.
constexpr int kClassNameChars = 257;

HWND ToHwnd(WindowHandle h) { return reinterpret_cast<HWND>(h); }
HDC ToHdc(DeviceContext dc) { return reinterpret_cast<HDC>(dc); }

}  // namespace

double Win32Screen::widthTwips() { return GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixelX(); }
double Win32Screen::heightTwips() { return GetSystemMetrics(SM_CYSCREEN) * TwipsPerPixelY(); }
double Win32Screen::twipsPerPixelX() { return TwipsPerPixelX(); }
double Win32Screen::twipsPerPixelY() { return TwipsPerPixelY(); }
double Win32Screen::displayScale() { return DisplayScale(); }

WindowHandle Win32Screen::windowFromPoint(ScreenPoint p) {
    return reinterpret_cast<WindowHandle>(WindowFromPoint(POINT{p.x, p.y}));
}

bool Win32Screen::isWindow(WindowHandle h) { return IsWindow(ToHwnd(h)) != 0; }

std::string Win32Screen::className(WindowHandle h) {
    wchar_t name[kClassNameChars] = {};
    const int length = GetClassNameW(ToHwnd(h), name, kClassNameChars);
    return length > 0 ? Narrow(std::wstring(name, static_cast<std::size_t>(length))) : std::string();
}

WindowHandle Win32Screen::desktopWindow() { return reinterpret_cast<WindowHandle>(GetDesktopWindow()); }

DeviceContext Win32Screen::getDC(WindowHandle h) { return reinterpret_cast<DeviceContext>(GetDC(ToHwnd(h))); }

void Win32Screen::releaseDC(WindowHandle h, DeviceContext dc) { ReleaseDC(ToHwnd(h), ToHdc(dc)); }

void Win32Screen::drawFocusRect(DeviceContext dc, ScreenRect r) {
    const RECT rect{r.left, r.top, r.right, r.bottom};
    DrawFocusRect(ToHdc(dc), &rect);
}

// The colour value has red in the low byte, as a COLORREF does.
void Win32Screen::setPixel(DeviceContext dc, int x, int y, ColourValue colour) {
    SetPixel(ToHdc(dc), x, y, static_cast<COLORREF>(colour));
}

}  // namespace mipro::win32
