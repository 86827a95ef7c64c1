// Starting the real mipro.exe and finding its windows, for the tests that drive it.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "child_process.h"
#include "interfaces/main_window.h"
#include "editions/win32/control_ids.h"

namespace mipro::testing {

// Polls `done` every 50 ms until it holds or `timeout` has passed.
inline bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return done();
}

// mipro.exe, asked to close through its main window when the test is done.
class MiproProcess : public ChildProcess {
public:
    MiproProcess() : ChildProcess(L"\"" + WindowsPathOf(MIPRO_EXE) + L"\"") {}
    ~MiproProcess() {
        if (started() && !ended()) mainWindow = findWindow(win32::kMainWindowClass);
    }
    MiproProcess(const MiproProcess&) = delete;
    MiproProcess& operator=(const MiproProcess&) = delete;

    bool hasEnded() const { return ended(); }
};

// The magnifier of the running program once it shows, else null.
inline HWND ShownMagnifier() {
    HWND h = FindWindowW(win32::kMagnifierWindowClass, nullptr);
    return (h && IsWindowVisible(h)) ? h : nullptr;
}

// Enter pressed and released, as the user's hand does it, to whatever window has the focus.
inline void PressEnter() {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_RETURN;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

// A control of frmMAIN: the frame's own controls sit on the client area, the others on their page.
inline HWND FormControl(HWND main, ControlRef c, int page = 0) {
    HWND container = page == 0 ? main : GetDlgItem(main, win32::ControlId({Control::picSTEP, page}));
    return GetDlgItem(container, win32::ControlId(c));
}

inline std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// A message box's title and texts, joined by " | ".
inline std::wstring MessageBoxText(HWND dialog) {
    std::wstring text = TextOf(dialog);
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM param) -> BOOL {
            wchar_t cls[32] = {};
            GetClassNameW(child, cls, 32);
            if (std::wstring(cls) == L"Static") *reinterpret_cast<std::wstring*>(param) += L" | " + TextOf(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&text));
    return text;
}

}  // namespace mipro::testing
