// mipro.exe: one instance at a time, the real desktop as the platform, frmMAIN as the start-up
// window; the program ends with its last window.
#include <windows.h>

#include "app/frame.h"
#include "app/wizard.h"
#include "platform/win32/message_pump.h"
#include "platform/win32/program_info.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_main_window.h"
#include "platform/win32/win32_pointer.h"
#include "platform/win32/win32_screen.h"
#include "platform/win32/win32_sound.h"

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

    Win32Pointer pointer;
    Win32Clock clock;
    Win32Sound sound;
    Win32MainWindow window;
    Win32Dialogs dialogs;
    Win32Files files;
    Win32Screen screen;
    Platform platform{pointer, clock, sound, window, dialogs, files, screen, ReadProgramVersion(), ProgramFolder()};
    Wizard wizard(platform);

    int exitCode = 1;
    if (window.create(instance, wizard)) {
        Form_Load(wizard);
        exitCode = RunMessageLoop();
    }
    CloseHandle(instanceMutex);
    return exitCode;
}
