#include "editions/win32/message_pump.h"

#include <windows.h>

#include <cwchar>

#include "editions/win32/control_ids.h"

namespace mipro::win32 {

namespace {

constexpr int kClassNameChars = 64;

// frmMAIN and frmABOUT behave as dialogs for the keyboard (Tab, Enter, Esc, mnemonics); other
// windows, such as the magnifier, get their keys as they are.
bool IsDialogLike(HWND root) {
    wchar_t name[kClassNameChars] = {};
    GetClassNameW(root, name, kClassNameChars);
    return std::wcscmp(name, kMainWindowClass) == 0 || std::wcscmp(name, kAboutWindowClass) == 0;
}

void Deliver(MSG& msg) {
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && IsDialogLike(root) && IsDialogMessageW(root, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

}  // namespace

int RunMessageLoop() {
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) Deliver(msg);
    return static_cast<int>(msg.wParam);
}

void DispatchPendingMessages() {
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Deliver(msg);
    }
}

}  // namespace mipro::win32
