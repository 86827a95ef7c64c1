// The real X11 desktop, ready to hand to the core as its Platform, on a connection already open
// (and with XTEST), which the pointer and the screen use for as long as they live.
#pragma once

#include "editions/linux/gtk_dialogs.h"
#include "editions/linux/gtk_main_window.h"
#include "editions/linux/linux_clock.h"
#include "editions/linux/linux_files.h"
#include "editions/linux/linux_keyboard.h"
#include "editions/linux/linux_pointer.h"
#include "editions/linux/linux_sound.h"
#include "editions/linux/program_info.h"
#include "editions/linux/user_folders.h"
#include "editions/linux/x11_connection.h"
#include "editions/linux/x11_screen.h"
#include "interfaces/platform.h"

namespace mipro::linux_x11 {

struct LinuxDesktop {
    X11Connection& x;
    LinuxPointer pointer{x};
    LinuxKeyboard keyboard{x, pointer};
    LinuxClock clock{};
    LinuxSound sound{};
    X11Screen screen{x};
    GtkMainWindow window{screen.twipsPerPixelX(), screen.twipsPerPixelY()};
    GtkDialogs dialogs{};
    LinuxFiles files{};
    Platform platform{pointer, keyboard, clock, sound, window, dialogs, files, screen,
                      ReadProgramVersion(), FirstBrowseFolder(), WindowSystem::X11};
};

}  // namespace mipro::linux_x11
