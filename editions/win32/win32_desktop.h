// The real desktop, ready to hand to the core as its Platform.
#pragma once

#include "interfaces/platform.h"
#include "editions/win32/program_info.h"
#include "editions/win32/win32_clock.h"
#include "editions/win32/win32_dialogs.h"
#include "editions/win32/win32_files.h"
#include "editions/win32/win32_keyboard.h"
#include "editions/win32/win32_main_window.h"
#include "editions/win32/win32_pointer.h"
#include "editions/win32/win32_screen.h"
#include "editions/win32/win32_sound.h"

namespace mipro::win32 {

struct Win32Desktop {
    Win32Pointer pointer;
    Win32Keyboard keyboard{pointer};
    Win32Clock clock;
    Win32Sound sound;
    Win32MainWindow window;
    Win32Dialogs dialogs;
    Win32Files files;
    Win32Screen screen;
    Platform platform{pointer, keyboard, clock, sound, window, dialogs, files, screen, ReadProgramVersion(), ProgramFolder()};
};

}  // namespace mipro::win32
