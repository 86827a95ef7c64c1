#include "editions/win32/picture_control.h"

namespace mipro::win32 {

namespace {
constexpr wchar_t kPictureClass[] = L"miproPicture";
}

void PictureControl::RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kPictureClass;
    RegisterClassExW(&wc);
}

HWND PictureControl::create(HWND parent, int id, const RECT& bounds, DWORD style, DWORD exStyle) {
    window_ = CreateWindowExW(exStyle, kPictureClass, L"", WS_CHILD | style, bounds.left, bounds.top,
                              bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return window_;
}

PictureControl::~PictureControl() {
    if (bitmap_) DeleteObject(bitmap_);
}

void PictureControl::showBitmap(HBITMAP bitmap) {
    if (bitmap_) DeleteObject(bitmap_);
    bitmap_ = bitmap;
    redraw();
}

void PictureControl::showIcon(HICON icon) {
    icon_ = icon;
    redraw();
}

void PictureControl::showSolid(int systemColour) {
    solidColour_ = systemColour;
    redraw();
}

bool PictureControl::makeCanvas() {
    RECT client{};
    GetClientRect(window_, &client);
    canvas_ = ThumbnailCanvas::Create(client.right, client.bottom);
    redraw();
    return canvas_ != nullptr;
}

void PictureControl::redraw() {
    if (window_) InvalidateRect(window_, nullptr, TRUE);
}

void PictureControl::paint(HDC dc, const RECT& client) const {
    if (canvas_) {
        canvas_->drawTo(dc);
    } else if (bitmap_) {
        BITMAP info{};
        GetObjectW(bitmap_, sizeof(info), &info);
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(source, bitmap_);
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, 0, 0, client.right, client.bottom, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    } else if (icon_) {
        DrawIconEx(dc, 0, 0, icon_, client.right, client.bottom, 0, nullptr, DI_NORMAL);
    } else if (solidColour_ >= 0) {
        FillRect(dc, &client, GetSysColorBrush(solidColour_));
    }
}

LRESULT CALLBACK PictureControl::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<PictureControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_PAINT && self) {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(window, &ps);
        RECT client{};
        GetClientRect(window, &client);
        self->paint(dc, client);
        EndPaint(window, &ps);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace mipro::win32
