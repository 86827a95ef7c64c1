// mipro.exe: one instance at a time, the real desktop as the platform, frmMAIN as the start-up
// window; the program ends with its last window.
#include <windows.h>

#include "app/frame.h"
#include "app/main_form.h"
#include "editions/win32/message_pump.h"
#include "editions/win32/win32_desktop.h"

namespace {

constexpr wchar_t kInstanceMutexName[] = L"Local\\mipro-single-instance";

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    using namespace mipro;
    using namespace mipro::win32;

    // A second start ends at once, silently, before any window shows.
    HANDLE instanceMutex = CreateMutexW(nullptr, FALSE, kInstanceMutexName);
    if (!instanceMutex || GetLastError() == ERROR_ALREADY_EXISTS) {
        if (instanceMutex) CloseHandle(instanceMutex);
        return 0;
    }

    Win32Desktop desk;
    Wizard wizard(desk.platform);
    MainForm form(wizard);

    int exitCode = 1;
    if (desk.window.create(instance, form)) {
        Form_Load(wizard);
        exitCode = RunMessageLoop();
    }
    CloseHandle(instanceMutex);
    return exitCode;
}
