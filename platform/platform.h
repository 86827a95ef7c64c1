// Everything the core asks of the system, gathered in one place.
#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/main_window.h"
#include "platform/pointer.h"
#include "platform/screen.h"
#include "platform/sound.h"

namespace mipro {

struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// The window system under the platform: it decides how windows are named, and so which names
// mean a drawing board.
enum class WindowSystem { Windows, X11 };

struct Platform {
    Pointer& pointer;
    Clock& clock;
    Sound& sound;
    MainWindow& window;
    Dialogs& dialogs;
    Files& files;
    Screen& screen;
    ProgramVersion version;
    std::string programFolder;
    WindowSystem windowSystem = WindowSystem::Windows;
};

}  // namespace mipro
