// A program a test starts: it is asked to close (WM_CLOSE to its main window) when the test is
// done, and ended if it does not within five seconds.
#pragma once

#include <windows.h>

#include <string>

namespace mipro::testing {

class ChildProcess {
public:
    // Under Wine a start now and then fails while the new process is being set up (seen once in
    // a whole test run), so a failed start is tried again; a program that cannot start fails every try.
    explicit ChildProcess(std::wstring commandLine) {
        for (int attempt = 1; attempt <= kStartAttempts && !started_; ++attempt) {
            if (attempt > 1) Sleep(kStartRetryPauseMs);
            STARTUPINFOW startup{};
            startup.cb = sizeof(startup);
            started_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                      &startup, &info_) != 0;
            startError_ = started_ ? 0 : GetLastError();
        }
    }
    ~ChildProcess() {
        if (!started_) return;
        if (!ended()) {
            if (mainWindow) PostMessageW(mainWindow, WM_CLOSE, 0, 0);
            if (!waitForEnd(kCloseTimeoutMs)) TerminateProcess(info_.hProcess, 1);
        }
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return started_; }
    // Why the start failed (GetLastError); 0 when it did not.
    DWORD startError() const { return startError_; }
    bool ended() const { return waitForEnd(0); }
    bool waitForEnd(DWORD milliseconds) const { return WaitForSingleObject(info_.hProcess, milliseconds) == WAIT_OBJECT_0; }
    DWORD exitCode() const {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(info_.hProcess, &code);
        return code;
    }

    // A visible top-level window of this process with the given class, or null.
    HWND findWindow(const std::wstring& className) const {
        struct Search {
            DWORD processId;
            const std::wstring& className;
            HWND found;
        } search{info_.dwProcessId, className, nullptr};
        EnumWindows(
            [](HWND window, LPARAM param) -> BOOL {
                auto* s = reinterpret_cast<Search*>(param);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                wchar_t name[256] = {};
                GetClassNameW(window, name, 256);
                if (owner != s->processId || !IsWindowVisible(window) || s->className != name) return TRUE;
                s->found = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    // The window asked to close at the end; none when null.
    HWND mainWindow = nullptr;

private:
    static constexpr DWORD kCloseTimeoutMs = 5000;
    static constexpr int kStartAttempts = 3;
    static constexpr DWORD kStartRetryPauseMs = 500;

    PROCESS_INFORMATION info_{};
    bool started_ = false;
    DWORD startError_ = 0;
};

// A path the build machine gave, as the Windows program sees it: under Wine a Unix path lies on drive Z:.
inline std::wstring WindowsPathOf(const std::string& buildPath) {
    std::wstring path;
    for (const char c : buildPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path.rfind(L"\\", 0) == 0 ? L"Z:" + path : path;
}

}  // namespace mipro::testing
