// The user's first start of the release: mipro.exe from the folder the zip was unpacked into.
//
//   start_unpacked MIPRO_EXE
//
// Starts it, waits for its main window with the program's title, asks it to close as the user's
// click on the close box does, and waits for it to end. Exits 0 only when all of that happened.
#include <windows.h>

#include <cstdio>
#include <string>

#include "child_process.h"
#include "editions/win32/control_ids.h"

namespace {

using mipro::testing::ChildProcess;

constexpr int kStartLimitMs = 60000;
constexpr int kPollMs = 50;
constexpr DWORD kCloseLimitMs = 20000;
const std::wstring kTitle = L"ミプロ♪ ver." MIPRO_VERSION_TEXT_FOR_TESTS L"b";

std::wstring TitleOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// The program's visible main window once it bears the program's title (set just after it
// shows), within the limit; else null.
HWND WaitForMainWindow(const ChildProcess& mipro) {
    for (int waited = 0; waited < kStartLimitMs; waited += kPollMs) {
        HWND main = mipro.findWindow(mipro::win32::kMainWindowClass);
        if (main && TitleOf(main) == kTitle) return main;
        Sleep(kPollMs);
    }
    return nullptr;
}

int Fail(const char* what) {
    std::fprintf(stderr, "start_unpacked: %s\n", what);
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return Fail("usage: start_unpacked MIPRO_EXE");
    ChildProcess mipro(L"\"" + std::wstring(argv[1]) + L"\"");
    if (!mipro.started()) return Fail("mipro.exe did not start");
    HWND main = WaitForMainWindow(mipro);
    if (!main) return Fail("mipro.exe showed no main window with the program's title");
    PostMessageW(main, WM_CLOSE, 0, 0);
    if (!mipro.waitForEnd(kCloseLimitMs)) return Fail("mipro.exe did not close");
    std::printf("mipro.exe opened its main window and closed\n");
    return mipro.exitCode() == 0 ? 0 : Fail("mipro.exe ended with an error");
}
