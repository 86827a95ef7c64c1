// The real X11 desktop, ready to hand to the core as its Platform. The connection comes first, as
// the pointer and the screen use it for as long as they live.
#pragma once

#include "platform/linux/gtk_dialogs.h"
#include "platform/linux/gtk_main_window.h"
#include "platform/linux/linux_clock.h"
#include "platform/linux/linux_files.h"
#include "platform/linux/linux_pointer.h"
#include "platform/linux/linux_sound.h"
#include "platform/linux/program_info.h"
#include "platform/linux/x11_connection.h"
#include "platform/linux/x11_screen.h"
#include "platform/platform.h"

namespace mipro::linux_x11 {

struct LinuxDesktop {
    X11Connection x;
    LinuxPointer pointer{x};
    LinuxClock clock;
    LinuxSound sound;
    X11Screen screen{x};
    GtkMainWindow window{screen.twipsPerPixelX(), screen.twipsPerPixelY()};
    GtkDialogs dialogs;
    LinuxFiles files;
    Platform platform{pointer, clock, sound, window, dialogs, files, screen,
                      ReadProgramVersion(), ProgramFolder(), WindowSystem::X11};
};

}  // namespace mipro::linux_x11
