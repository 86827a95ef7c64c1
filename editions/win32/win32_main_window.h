// frmMAIN on the real window system: the window and its controls; its events go to the core as
// MainWindowEvents.
#pragma once

#include <windows.h>

#include "interfaces/main_window.h"
#include "editions/win32/main_form_controls.h"

namespace mipro::win32 {

class Win32MainWindow : public MainWindow {
public:
    Win32MainWindow() = default;
    ~Win32MainWindow() override;
    Win32MainWindow(const Win32MainWindow&) = delete;
    Win32MainWindow& operator=(const Win32MainWindow&) = delete;

    // Creates frmMAIN, hidden and centred on the screen; its events go to `events` from then on.
    bool create(HINSTANCE instance, MainWindowEvents& events);
    HWND handle() const { return window_; }

    void setEnabled(ControlRef c, bool enabled) override;
    bool isEnabled(ControlRef c) override;
    void setVisible(ControlRef c, bool visible) override;
    bool isVisible(ControlRef c) override;
    void setCaption(ControlRef c, const std::string& text) override;
    std::string caption(ControlRef c) override;
    void setValue(ControlRef c, int value) override;
    int value(ControlRef c) override;
    void setFocus(ControlRef c) override;
    void moveControl(ControlRef c, int leftPx, int topPx) override;
    ControlPlacement placement(ControlRef c) override;

    void setWindowCaption(const std::string& text) override;
    std::string windowCaption() override;
    WindowMetrics metrics() override;
    void showWindow(bool visible) override;
    void enableWindow(bool enabled) override;
    void focusWindow() override;
    void minimize() override;
    void restore() override;
    void setTopmost(bool topmost) override;
    void lockUpdate(bool locked) override;
    void setCapture() override;
    void releaseCapture() override;
    void enableWakeupTimer(bool enabled) override;
    void showAboutModal(const std::string& appTitle) override;

    void clearThumbnail(int index) override;
    void paintThumbnail(int index, const Picture& picture, int w, int h, int dw, int dh) override;
    void copyThumbnailRow(int from, int to, int row) override;
    void copyThumbnail(int from, int to) override;

    void doEvents() override;
    // A logoff's WM_QUERYENDSESSION and WM_ENDSESSION are sent, not posted: a peek at the sent
    // messages alone delivers them and leaves the posted ones (input, paints) waiting.
    void deliverSessionEnd() override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onCommand(WPARAM wParam, LPARAM lParam);
    [[noreturn]] void EndSession();
    LRESULT onControlColour(HDC dc, HWND control);
    ThumbnailCanvas* thumbnail(int index) const;
    void redrawThumbnail(int index) const;

    HINSTANCE instance_ = nullptr;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    HICON icon_ = nullptr;
    HICON smallIcon_ = nullptr;
    MainWindowEvents* events_ = nullptr;
    FormControls controls_;
};

}  // namespace mipro::win32
