#include "editions/win32/about_window.h"

#include <shellapi.h>

#include "app/about_layout.h"
#include "editions/win32/control_ids.h"
#include "editions/win32/display_units.h"
#include "editions/win32/picture_control.h"
#include "editions/win32/ui_font.h"
#include "editions/win32/unicode_text.h"
#include "resources/resource_ids.h"

namespace mipro::win32 {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr COLORREF kLinkColour = RGB(0, 0, 255);

class AboutWindow {
public:
    AboutWindow(HINSTANCE instance, HWND owner) : instance_(instance), owner_(owner) {}
    ~AboutWindow() {
        if (font_) DeleteObject(font_);
        if (linkFont_) DeleteObject(linkFont_);
    }

    void run(const std::string& appTitle);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    HWND addControl(const wchar_t* className, const std::wstring& text, DWORD style, int id, TwipsRect at);
    bool isLink(HWND control) const { return control && (control == mail_ || control == homePage_); }
    void open(const std::string& address) const {
        ShellExecuteW(window_, L"open", Widen(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }

    HINSTANCE instance_;
    HWND owner_;
    HWND window_ = nullptr;
    HWND mail_ = nullptr;
    HWND homePage_ = nullptr;
    HFONT font_ = nullptr;
    HFONT linkFont_ = nullptr;
    PictureControl icon_;
    bool closed_ = false;
};

RECT CentredOver(HWND owner, int clientWidth, int clientHeight) {
    RECT r{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&r, kStyle, FALSE, kExStyle);
    RECT ownerRect{};
    GetWindowRect(owner, &ownerRect);
    const int width = r.right - r.left, height = r.bottom - r.top;
    const int left = ownerRect.left + ((ownerRect.right - ownerRect.left) - width) / 2;
    const int top = ownerRect.top + ((ownerRect.bottom - ownerRect.top) - height) / 2;
    return {left, top, left + width, top + height};
}

void RegisterAboutClass(HINSTANCE instance, WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kAboutWindowClass;
    RegisterClassExW(&wc);
}

void AboutWindow::run(const std::string& appTitle) {
    RegisterAboutClass(instance_, WindowProc);
    PictureControl::RegisterWindowClass(instance_);
    const double tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
    const RECT r = CentredOver(owner_, TwipsToPixels(kAboutClientWidthTwips, tx),
                               TwipsToPixels(kAboutClientHeightTwips, ty));
    const std::wstring caption = Widen(appTitle + kAboutCaptionSuffix);
    window_ = CreateWindowExW(kExStyle, kAboutWindowClass, caption.c_str(), kStyle, r.left, r.top,
                              r.right - r.left, r.bottom - r.top, owner_, nullptr, instance_, this);
    if (!window_) return;
    createControls();

    // Modal: the owner takes no input until this window is gone.
    EnableWindow(owner_, FALSE);
    ShowWindow(window_, SW_SHOW);
    MSG msg{};
    while (!closed_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window_, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (msg.message == WM_QUIT) PostQuitMessage(static_cast<int>(msg.wParam));
    EnableWindow(owner_, TRUE);
    SetActiveWindow(owner_);
    if (!closed_) DestroyWindow(window_);
}

void AboutWindow::createControls() {
    font_ = CreateFormFont();
    linkFont_ = CreateFormFont(true);

    const double tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
    const TwipsRect i = kAboutIcon;
    const RECT iconBounds{TwipsToPixels(i.left, tx), TwipsToPixels(i.top, ty), TwipsToPixels(i.left + i.width, tx),
                          TwipsToPixels(i.top + i.height, ty)};
    icon_.create(window_, kAboutIconId, iconBounds, WS_VISIBLE, 0);
    icon_.showIcon(static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(IDI_MIPRO), IMAGE_ICON, 32, 32, LR_SHARED)));

    addControl(L"STATIC", Widen(kAboutTitleText), SS_LEFT | SS_NOPREFIX, kAboutTitleId, kAboutTitle);
    mail_ = addControl(L"STATIC", Widen(std::string(kAuthorMail) + "  " + kReleaseMonth),
                       SS_CENTER | SS_NOTIFY | SS_NOPREFIX, kAboutMailId, kAboutMail);
    homePage_ = addControl(L"STATIC", Widen(kHomePage), SS_CENTER | SS_NOTIFY | SS_NOPREFIX, kAboutHomePageId,
                           kAboutHomePage);
    HWND ok = addControl(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, kAboutOk);

    ApplyFont(window_, font_);
    SendMessageW(mail_, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_), TRUE);
    SendMessageW(homePage_, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_), TRUE);
    SetFocus(ok);
}

HWND AboutWindow::addControl(const wchar_t* className, const std::wstring& text, DWORD style, int id, TwipsRect at) {
    const double tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
    return CreateWindowExW(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, TwipsToPixels(at.left, tx),
                           TwipsToPixels(at.top, ty), TwipsToPixels(at.width, tx), TwipsToPixels(at.height, ty),
                           window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
}

LRESULT CALLBACK AboutWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        static_cast<AboutWindow*>(create->lpCreateParams)->window_ = window;
    }
    auto* self = reinterpret_cast<AboutWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || self->closed_) return DefWindowProcW(window, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT AboutWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                case IDCANCEL:
                    DestroyWindow(window_);
                    return 0;
                case kAboutMailId:
                    if (HIWORD(wParam) == STN_CLICKED) open(std::string("mailto:") + kAuthorMail);
                    return 0;
                case kAboutHomePageId:
                    if (HIWORD(wParam) == STN_CLICKED) open(kHomePage);
                    return 0;
                default:
                    return 0;
            }
        case WM_CTLCOLORSTATIC: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, isLink(reinterpret_cast<HWND>(lParam)) ? kLinkColour : GetSysColor(COLOR_BTNTEXT));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_SETCURSOR:
            if (isLink(reinterpret_cast<HWND>(wParam))) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_CLOSE:
            DestroyWindow(window_);
            return 0;
        case WM_DESTROY:
            // The owner must be enabled before this window disappears, or another window is activated.
            EnableWindow(owner_, TRUE);
            closed_ = true;
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace

void ShowAboutWindow(HINSTANCE instance, HWND owner, const std::string& appTitle) {
    AboutWindow about(instance, owner);
    about.run(appTitle);
}

}  // namespace mipro::win32
