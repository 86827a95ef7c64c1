#include "editions/win32/win32_magnifier_window.h"

#include <cstdint>

#include "base/colour.h"
#include "base/picture.h"
#include "base/twips.h"
#include "editions/win32/control_ids.h"
#include "editions/win32/display_units.h"
#include "editions/win32/magnifier_keys.h"
#include "editions/win32/ui_font.h"
#include "editions/win32/unicode_text.h"
#include "editions/win32/win32_pointer.h"
#include "editions/win32/win32_screen.h"
#include "interfaces/magnifier_window.h"

namespace mipro::win32 {

namespace {

void RegisterMagnifierClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_SIZEALL);
    wc.hbrBackground = nullptr;  // the back buffer covers everything
    wc.lpszClassName = kMagnifierWindowClass;
    RegisterClassExW(&wc);
    registered = true;
}

// A memory DC holding a new bitmap of the given size, filled with white.
HDC CreateBufferDC(int width, int height, HBITMAP& bitmap, HGDIOBJ& old) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    old = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, width, height, WHITENESS);
    return dc;
}

void DeleteBufferDC(HDC dc, HBITMAP bitmap, HGDIOBJ old) {
    if (!dc) return;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

}  // namespace

Win32MagnifierWindow::Win32MagnifierWindow(MagnifierEvents& events) : events_(events) {
    RegisterMagnifierClass();
    // A tool window has no taskbar button; a popup has no title bar or border.
    hwnd_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kMagnifierWindowClass, L"frmMAG", WS_POPUP, 0, 0,
                            kMagnifierSizePx, kMagnifierSizePx, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));
    back_dc_ = CreateBufferDC(kMagnifierSizePx, kMagnifierSizePx, back_bitmap_, back_old_);
    font_ = CreateFormFont();
    SelectObject(back_dc_, font_);
    SetBkMode(back_dc_, TRANSPARENT);
    SetStretchBltMode(back_dc_, COLORONCOLOR);
}

Win32MagnifierWindow::~Win32MagnifierWindow() {
    destroying_ = true;
    DestroyWindow(hwnd_);
    DeleteBufferDC(back_dc_, back_bitmap_, back_old_);
    DeleteBufferDC(guide_dc_, guide_bitmap_, guide_old_);
    DeleteObject(font_);
}

LRESULT CALLBACK Win32MagnifierWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Win32MagnifierWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
    return self->handle(msg, wParam, lParam);
}

LRESULT Win32MagnifierWindow::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_KEYDOWN:
            events_.Form_KeyDown(MagnifierKeyOf(wParam));
            return 0;
        case WM_LBUTTONUP:
            events_.Form_MouseUp(MouseButton::Left);
            return 0;
        case WM_RBUTTONUP:
            events_.Form_MouseUp(MouseButton::Right);
            return 0;
        case WM_MBUTTONUP:
            events_.Form_MouseUp(MouseButton::Middle);
            return 0;
        case WM_SETCURSOR:
            if (HCURSOR shape = CursorOverride()) {
                SetCursor(shape);
                return TRUE;
            }
            break;
        // Closing only ends positioning; the opener unloads the window.
        case WM_CLOSE:
            events_.Form_Unload();
            return 0;
        case WM_DESTROY:
            if (!destroying_) events_.Form_Unload();
            SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            paint();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

void Win32MagnifierWindow::paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    BitBlt(dc, 0, 0, kMagnifierSizePx, kMagnifierSizePx, back_dc_, 0, 0, SRCCOPY);
    EndPaint(hwnd_, &ps);
}

// The window shows the back buffer the next time events run, when the whole view is drawn.
void Win32MagnifierWindow::viewChanged() { InvalidateRect(hwnd_, nullptr, FALSE); }

void Win32MagnifierWindow::move(double leftTwips, double topTwips) {
    const int x = WindowPixelAt(leftTwips, static_cast<int>(TwipsPerPixelX()));
    const int y = WindowPixelAt(topTwips, static_cast<int>(TwipsPerPixelY()));
    SetWindowPos(hwnd_, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

double Win32MagnifierWindow::left() {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r.left * TwipsPerPixelX();
}

double Win32MagnifierWindow::top() {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r.top * TwipsPerPixelY();
}

void Win32MagnifierWindow::resize(double widthTwips, double heightTwips) {
    const int w = WindowPixelsFor(widthTwips, TwipsPerPixelX());
    const int h = WindowPixelsFor(heightTwips, TwipsPerPixelY());
    SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, w, h, SWP_NOMOVE | SWP_NOACTIVATE);
}

void Win32MagnifierWindow::show() {
    ShowWindow(hwnd_, SW_SHOW);
    focus();
}

void Win32MagnifierWindow::focus() {
    SetForegroundWindow(hwnd_);
    SetFocus(hwnd_);
}

bool Win32MagnifierWindow::loadGuide(const Picture& guide) {
    DeleteBufferDC(guide_dc_, guide_bitmap_, guide_old_);
    guide_dc_ = nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = guide.width();
    info.bmiHeader.biHeight = -guide.height();  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    guide_bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!guide_bitmap_ || !bits) {
        if (guide_bitmap_) DeleteObject(guide_bitmap_);
        guide_bitmap_ = nullptr;
        return false;
    }
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < guide.height(); ++y)
        for (int x = 0; x < guide.width(); ++x)
            pixels[static_cast<std::size_t>(y) * guide.width() + x] = XrgbPixel(guide.point(x, y));
    guide_dc_ = CreateCompatibleDC(nullptr);
    if (!guide_dc_) {
        DeleteObject(guide_bitmap_);
        guide_bitmap_ = nullptr;
        return false;
    }
    guide_old_ = SelectObject(guide_dc_, guide_bitmap_);
    return true;
}

void Win32MagnifierWindow::stretchFrom(DeviceContext source, int srcX, int srcY) {
    StretchBlt(back_dc_, 0, 0, kViewSizePx, kViewSizePx, reinterpret_cast<HDC>(source), srcX, srcY, kSourceSizePx,
               kSourceSizePx, SRCCOPY);
    viewChanged();
}

void Win32MagnifierWindow::andGuideFrame(int frame) {
    BitBlt(back_dc_, 0, 0, kViewSizePx, kViewSizePx, guide_dc_, kGuideFrameSize * frame, 0, SRCAND);
    viewChanged();
}

void Win32MagnifierWindow::textOut(int x, int y, const std::string& text, ColourValue colour) {
    const std::wstring wide = Widen(text);
    SetTextColor(back_dc_, static_cast<COLORREF>(colour));
    TextOutW(back_dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
    viewChanged();
}

std::unique_ptr<MagnifierWindow> Win32Screen::loadMagnifier(MagnifierEvents& events) {
    return std::make_unique<Win32MagnifierWindow>(events);
}

}  // namespace mipro::win32
