// The whole simulated desktop, ready to hand to the core as its Platform.
#pragma once

#include <string>

#include "interfaces/platform.h"
#include "tests/sim/sim_clock.h"
#include "tests/sim/sim_dialogs.h"
#include "tests/sim/sim_files.h"
#include "tests/sim/sim_keyboard.h"
#include "tests/sim/sim_log.h"
#include "tests/sim/sim_main_window.h"
#include "tests/sim/sim_pointer.h"
#include "tests/sim/sim_screen.h"
#include "tests/sim/sim_sound.h"

namespace mipro::sim {

struct DesktopOptions {
    int screenWidthPx = 1024;
    int screenHeightPx = 768;
    double twipsPerPixel = 15;
    std::string tempDir = "/tmp/";
    ProgramVersion version{1, 0, 0};
    WindowSystem windowSystem = WindowSystem::Windows;
    double displayScale = 1.0;
};

class SimDesktop {
public:
    explicit SimDesktop(const DesktopOptions& o = {})
        : clock(log),
          pointer(log, {0, 0, o.screenWidthPx, o.screenHeightPx}),
          keyboard(log, pointer),
          sound(log),
          window(log, o.twipsPerPixel),
          dialogs(log),
          files(o.tempDir),
          screen(log, o.screenWidthPx, o.screenHeightPx, o.twipsPerPixel, o.displayScale),
          platform{pointer, keyboard, clock, sound, window, dialogs, files, screen, o.version, "/opt/mipro/", o.windowSystem} {}

    Log log;
    SimClock clock;
    SimPointer pointer;
    SimKeyboard keyboard;
    SimSound sound;
    SimMainWindow window;
    SimDialogs dialogs;
    SimFiles files;
    SimScreen screen;
    Platform platform;
};

}  // namespace mipro::sim
