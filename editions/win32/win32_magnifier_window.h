// frmMAG on Windows: a 307 x 307 popup without title bar, topmost and without a taskbar button.
// The view is drawn into a back buffer and shown on WM_PAINT, so it never flickers.
#pragma once

#include <windows.h>

#include "interfaces/screen.h"

namespace mipro::win32 {

class Win32MagnifierWindow : public MagnifierWindow {
public:
    explicit Win32MagnifierWindow(MagnifierEvents& events);
    ~Win32MagnifierWindow() override;
    Win32MagnifierWindow(const Win32MagnifierWindow&) = delete;
    Win32MagnifierWindow& operator=(const Win32MagnifierWindow&) = delete;

    void move(double leftTwips, double topTwips) override;
    double left() override;
    double top() override;
    void resize(double widthTwips, double heightTwips) override;
    void show() override;
    void focus() override;
    bool loadGuide(const Picture& guide) override;
    void stretchFrom(DeviceContext source, int srcX, int srcY) override;
    void andGuideFrame(int frame) override;
    void textOut(int x, int y, const std::string& text, ColourValue colour) override;

    HWND handle() const { return hwnd_; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam);
    void paint();
    void viewChanged();

    MagnifierEvents& events_;
    HWND hwnd_ = nullptr;
    HDC back_dc_ = nullptr;     // the view being drawn
    HBITMAP back_bitmap_ = nullptr;
    HGDIOBJ back_old_ = nullptr;
    HDC guide_dc_ = nullptr;    // the guide frames
    HBITMAP guide_bitmap_ = nullptr;
    HGDIOBJ guide_old_ = nullptr;
    HFONT font_ = nullptr;
    bool destroying_ = false;
};

}  // namespace mipro::win32
