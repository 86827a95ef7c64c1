// The window class of frmMAIN's pictures: the stretched step illustrations, the speaker icons,
// the separator lines and the thumbnail boxes. Each window paints what its PictureControl holds.
#pragma once

#include <windows.h>

#include <memory>

#include "editions/win32/thumbnail_canvas.h"

namespace mipro::win32 {

class PictureControl {
public:
    static void RegisterWindowClass(HINSTANCE instance);

    // Creates the child window; the control must outlive it.
    HWND create(HWND parent, int id, const RECT& bounds, DWORD style, DWORD exStyle);
    HWND handle() const { return window_; }

    // What the control shows (the last call wins). A bitmap is stretched to the control's size
    // and owned by the control from then on; an icon is a shared system resource.
    void showBitmap(HBITMAP bitmap);
    void showIcon(HICON icon);
    void showSolid(int systemColour);
    // Gives the control an off-screen canvas of its client size and shows it; false when the
    // canvas could not be made.
    bool makeCanvas();
    ThumbnailCanvas* canvas() { return canvas_.get(); }
    void redraw();

    ~PictureControl();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void paint(HDC dc, const RECT& client) const;

    HWND window_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HICON icon_ = nullptr;
    int solidColour_ = -1;
    std::unique_ptr<ThumbnailCanvas> canvas_;
};

}  // namespace mipro::win32
