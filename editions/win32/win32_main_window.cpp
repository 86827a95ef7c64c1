#include "editions/win32/win32_main_window.h"

#include <cstdio>

#include "app/form_layout.h"
#include "editions/win32/about_window.h"
#include "editions/win32/control_ids.h"
#include "editions/win32/display_units.h"
#include "editions/win32/message_pump.h"
#include "editions/win32/picture_control.h"
#include "editions/win32/ui_font.h"
#include "editions/win32/unicode_text.h"
#include "editions/win32/win32_pointer.h"
#include "resources/resource_ids.h"

namespace mipro::win32 {

namespace {

constexpr UINT_PTR kWakeupTimerId = 1;
constexpr COLORREF kBlueText = RGB(0, 0, 255);
// A fixed single border with a minimise but no maximise button.
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT;

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// The outer rectangle of a window whose client area has the design size, centred on the screen.
RECT CentredFormRect() {
    RECT r{0, 0, TwipsToPixels(kClientWidthTwips, TwipsPerPixelX()),
           TwipsToPixels(kClientHeightTwips, TwipsPerPixelY())};
    AdjustWindowRectEx(&r, kFormStyle, FALSE, kFormExStyle);
    const int width = r.right - r.left, height = r.bottom - r.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    return {left, top, left + width, top + height};
}

void RegisterFormClass(HINSTANCE instance, WNDPROC proc, HICON icon, HICON smallIcon) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = smallIcon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kMainWindowClass;
    RegisterClassExW(&wc);
}

}  // namespace

Win32MainWindow::~Win32MainWindow() {
    if (window_) DestroyWindow(window_);
    if (font_) DeleteObject(font_);
}

bool Win32MainWindow::create(HINSTANCE instance, MainWindowEvents& events) {
    instance_ = instance;
    icon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_MIPRO), IMAGE_ICON,
                                          GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_SHARED));
    smallIcon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_MIPRO), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                               LR_SHARED));
    RegisterFormClass(instance, WindowProc, icon_, smallIcon_);
    FormControls::RegisterPageClass(instance);
    PictureControl::RegisterWindowClass(instance);

    const RECT r = CentredFormRect();
    window_ = CreateWindowExW(kFormExStyle, kMainWindowClass, L"", kFormStyle, r.left, r.top, r.right - r.left,
                              r.bottom - r.top, nullptr, nullptr, instance, this);
    if (!window_) return false;
    if (!controls_.build(window_, instance)) return false;
    font_ = CreateFormFont();
    ApplyFont(window_, font_);
    // Events reach the core only once the whole form exists.
    events_ = &events;
    return true;
}

// ---- controls

void Win32MainWindow::setEnabled(ControlRef c, bool enabled) { EnableWindow(controls_.window(c), enabled); }

bool Win32MainWindow::isEnabled(ControlRef c) { return IsWindowEnabled(controls_.window(c)) != 0; }

void Win32MainWindow::setVisible(ControlRef c, bool visible) {
    ShowWindow(controls_.window(c), visible ? SW_SHOWNA : SW_HIDE);
}

// The control's own visible flag, as the form sees it, whatever its page shows.
bool Win32MainWindow::isVisible(ControlRef c) {
    return (GetWindowLongPtrW(controls_.window(c), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32MainWindow::setCaption(ControlRef c, const std::string& text) {
    SetWindowTextW(controls_.window(c), Widen(text).c_str());
}

std::string Win32MainWindow::caption(ControlRef c) { return Narrow(WindowText(controls_.window(c))); }

void Win32MainWindow::setValue(ControlRef c, int value) {
    SendMessageW(controls_.window(c), BM_SETCHECK, value != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
}

int Win32MainWindow::value(ControlRef c) {
    return SendMessageW(controls_.window(c), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void Win32MainWindow::setFocus(ControlRef c) { SetFocus(controls_.window(c)); }

void Win32MainWindow::moveControl(ControlRef c, int leftPx, int topPx) {
    SetWindowPos(controls_.window(c), nullptr, leftPx, topPx, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

ControlPlacement Win32MainWindow::placement(ControlRef c) {
    HWND control = controls_.window(c);
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// ---- the window

void Win32MainWindow::setWindowCaption(const std::string& text) { SetWindowTextW(window_, Widen(text).c_str()); }

std::string Win32MainWindow::windowCaption() { return Narrow(WindowText(window_)); }

WindowMetrics Win32MainWindow::metrics() {
    RECT outer{}, client{};
    GetWindowRect(window_, &outer);
    GetClientRect(window_, &client);
    const double tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
    WindowMetrics m;
    m.width = (outer.right - outer.left) * tx;
    m.height = (outer.bottom - outer.top) * ty;
    m.left = outer.left * tx;
    m.top = outer.top * ty;
    m.scaleWidth = client.right;
    m.scaleHeight = client.bottom;
    return m;
}

void Win32MainWindow::showWindow(bool visible) {
    ShowWindow(window_, visible ? SW_SHOW : SW_HIDE);
    if (visible) UpdateWindow(window_);
}

void Win32MainWindow::enableWindow(bool enabled) { EnableWindow(window_, enabled); }

void Win32MainWindow::focusWindow() {
    SetForegroundWindow(window_);
    SetActiveWindow(window_);
}

void Win32MainWindow::minimize() { ShowWindow(window_, SW_MINIMIZE); }
void Win32MainWindow::restore() { ShowWindow(window_, SW_RESTORE); }

void Win32MainWindow::setTopmost(bool topmost) {
    SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Win32MainWindow::lockUpdate(bool locked) { LockWindowUpdate(locked ? window_ : nullptr); }
void Win32MainWindow::setCapture() { SetCapture(window_); }
void Win32MainWindow::releaseCapture() { ReleaseCapture(); }

void Win32MainWindow::enableWakeupTimer(bool enabled) {
    if (enabled) {
        SetTimer(window_, kWakeupTimerId, kWakeupIntervalMs, nullptr);
    } else {
        KillTimer(window_, kWakeupTimerId);
    }
}

void Win32MainWindow::showAboutModal(const std::string& appTitle) { ShowAboutWindow(instance_, window_, appTitle); }

// ---- thumbnails

ThumbnailCanvas* Win32MainWindow::thumbnail(int index) const {
    PictureControl* box = controls_.picture({Control::picIMGCHK, index});
    return box ? box->canvas() : nullptr;
}

void Win32MainWindow::redrawThumbnail(int index) const {
    if (PictureControl* box = controls_.picture({Control::picIMGCHK, index})) box->redraw();
}

void Win32MainWindow::clearThumbnail(int index) {
    if (ThumbnailCanvas* canvas = thumbnail(index)) canvas->clear();
    redrawThumbnail(index);
}

void Win32MainWindow::paintThumbnail(int index, const Picture& picture, int w, int h, int dw, int dh) {
    if (ThumbnailCanvas* canvas = thumbnail(index)) canvas->paintPicture(picture, w, h, dw, dh);
    redrawThumbnail(index);
}

void Win32MainWindow::copyThumbnailRow(int from, int to, int row) {
    ThumbnailCanvas* source = thumbnail(from);
    ThumbnailCanvas* target = thumbnail(to);
    if (source && target) target->copyRow(*source, row, kThumbnailSide);
    redrawThumbnail(to);
}

void Win32MainWindow::copyThumbnail(int from, int to) {
    ThumbnailCanvas* source = thumbnail(from);
    ThumbnailCanvas* target = thumbnail(to);
    if (source && target) target->copyAll(*source);
    redrawThumbnail(to);
}

void Win32MainWindow::doEvents() { DispatchPendingMessages(); }

void Win32MainWindow::deliverSessionEnd() {
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

// ---- events

LRESULT CALLBACK Win32MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->events_) return DefWindowProcW(window, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT Win32MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    MainWindowEvents& events = *events_;
    switch (message) {
        case WM_TIMER:
            if (wParam == kWakeupTimerId) events.tmrWakeup_Timer();
            return 0;
        case WM_COMMAND:
            return onCommand(wParam, lParam);
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_SETCURSOR:
            if (HCURSOR shape = CursorOverride()) {
                SetCursor(shape);
                return TRUE;
            }
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            events.Form_MouseUp();
            return 0;
        case WM_SIZE:
            events.Form_Resize();
            return 0;
        case WM_CLOSE:
            if (events.Form_QueryUnload(kUnloadFromUser) == False) DestroyWindow(window_);
            return 0;
        // The program never stands in the way of a logoff or shutdown.
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam) EndSession();
            return 0;
        case WM_DESTROY:
            KillTimer(window_, kWakeupTimerId);
            events.Form_Unload();
            events_ = nullptr;
            window_ = nullptr;
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// The session may end while a step's loop runs with files open: the streams are closed so that the
// work files can be deleted, the core gives back what it holds, and the program ends here, since
// the system may end it at any moment after this message.
void Win32MainWindow::EndSession() {
    _fcloseall();
    events_->Session_End();
    ExitProcess(0);
}

LRESULT Win32MainWindow::onCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int notification = HIWORD(wParam);
    // BN_CLICKED of the buttons and STN_CLICKED of the labels share the value 0.
    if (lParam != 0 && notification == BN_CLICKED && IsMainFormControlId(id)) events_->Control_Click(ControlFromId(id));
    return 0;
}

LRESULT Win32MainWindow::onControlColour(HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    const bool blue = IsMainFormControlId(id) && DesignOf(ControlFromId(id)).colour == TextColour::Blue;
    SetTextColor(dc, blue ? kBlueText : GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace mipro::win32
