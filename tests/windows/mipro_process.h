// Starting the real mipro.exe and finding its windows, for the tests that drive it.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "platform/main_window.h"
#include "child_process.h"
#include "platform/win32/control_ids.h"

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

class MiproProcess {
public:
    MiproProcess() {
        std::wstring commandLine = L"\"" + WindowsPathOf(MIPRO_EXE) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        started_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                  &startup, &info_) != 0;
    }
    ~MiproProcess() {
        if (!started_) return;
        if (!hasEnded()) {
            if (HWND main = findWindow(win32::kMainWindowClass)) PostMessageW(main, WM_CLOSE, 0, 0);
            if (WaitForSingleObject(info_.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(info_.hProcess, 1);
        }
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    MiproProcess(const MiproProcess&) = delete;
    MiproProcess& operator=(const MiproProcess&) = delete;

    bool started() const { return started_; }
    bool hasEnded() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; }
    bool waitForEnd(DWORD milliseconds) const { return WaitForSingleObject(info_.hProcess, milliseconds) == WAIT_OBJECT_0; }
    DWORD exitCode() const {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(info_.hProcess, &code);
        return code;
    }

    // A visible top-level window of this process with the given class, or null.
    HWND findWindow(const wchar_t* className) const {
        struct Search {
            DWORD processId;
            const wchar_t* className;
            HWND found;
        } search{info_.dwProcessId, className, nullptr};
        EnumWindows(
            [](HWND window, LPARAM param) -> BOOL {
                auto* s = reinterpret_cast<Search*>(param);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                wchar_t name[64] = {};
                GetClassNameW(window, name, 64);
                if (owner == s->processId && IsWindowVisible(window) && std::wstring(name) == s->className) {
                    s->found = window;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

private:
    PROCESS_INFORMATION info_{};
    bool started_ = false;
};

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

}  // namespace mipro::testing
