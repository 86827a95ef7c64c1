#include "editions/win32/win32_screen.h"

#include <algorithm>

#include <windows.h>

#include "editions/win32/display_units.h"
#include "editions/win32/unicode_text.h"

namespace mipro::win32 {

namespace {

// Window class names are at most 256 characters.
constexpr int kClassNameChars = 257;

HWND ToHwnd(WindowHandle h) { return reinterpret_cast<HWND>(h); }
HDC ToHdc(DeviceContext dc) { return reinterpret_cast<HDC>(dc); }

constexpr WORD kBitsPerPixel = 32;

// A 32-bit top-down bitmap header: rows from the top, each pixel blue, green, red, unused.
BITMAPINFO TopDownHeader(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = kBitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// The screen's device context and a 32-bit top-down bitmap whose pixels the program reads
// directly, given back on every way out.
class ScreenCopy {
public:
    ScreenCopy(int width, int height) : screen_(GetDC(nullptr)) {
        if (!screen_) return;
        memory_ = CreateCompatibleDC(screen_);
        const BITMAPINFO info = TopDownHeader(width, height);
        bitmap_ = CreateDIBSection(screen_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        if (memory_ && bitmap_) previous_ = SelectObject(memory_, bitmap_);
    }
    ~ScreenCopy() {
        if (previous_) SelectObject(memory_, previous_);
        if (bitmap_) DeleteObject(bitmap_);
        if (memory_) DeleteDC(memory_);
        if (screen_) ReleaseDC(nullptr, screen_);
    }
    ScreenCopy(const ScreenCopy&) = delete;
    ScreenCopy& operator=(const ScreenCopy&) = delete;

    bool ready() const { return previous_ != nullptr && bits_ != nullptr; }
    HDC screen() const { return screen_; }
    HDC memory() const { return memory_; }
    // Row by row from the top, each pixel blue, green, red, unused.
    const RGBQUAD* pixels() const { return static_cast<const RGBQUAD*>(bits_); }

private:
    HDC screen_;
    HDC memory_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    void* bits_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

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

// Only the part of the area on the screen is copied, into its place in the picture; the rest stays
// black as the new bitmap starts. (Wine gives a copy that reaches past the screen all black.)
std::optional<Picture> Win32Screen::readPixels(ScreenRect area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return Picture();
    ScreenCopy copy(width, height);
    if (!copy.ready()) return std::nullopt;
    const int screenLeft = GetSystemMetrics(SM_XVIRTUALSCREEN), screenTop = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const RECT onScreen{std::max(area.left, screenLeft), std::max(area.top, screenTop),
                        std::min(area.right, screenLeft + GetSystemMetrics(SM_CXVIRTUALSCREEN)),
                        std::min(area.bottom, screenTop + GetSystemMetrics(SM_CYVIRTUALSCREEN))};
    const int shownWidth = onScreen.right - onScreen.left, shownHeight = onScreen.bottom - onScreen.top;
    if (shownWidth > 0 && shownHeight > 0 &&
        !BitBlt(copy.memory(), onScreen.left - area.left, onScreen.top - area.top, shownWidth, shownHeight,
                copy.screen(), onScreen.left, onScreen.top, SRCCOPY | CAPTUREBLT)) {
        return std::nullopt;
    }
    // The copy is complete in the bitmap's memory once GDI has done its batched work.
    GdiFlush();
    Picture picture(width, height);
    const RGBQUAD* pixels = copy.pixels();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const RGBQUAD& q = pixels[static_cast<std::size_t>(y) * width + x];
            picture.setPoint(x, y, RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
        }
    }
    return picture;
}

}  // namespace mipro::win32
