// Everything the core asks of the system, gathered in one place.
#pragma once

#include <string>

#include "interfaces/clock.h"
#include "interfaces/dialogs.h"
#include "interfaces/files.h"
#include "interfaces/keyboard.h"
#include "interfaces/main_window.h"
#include "interfaces/pointer.h"
#include "interfaces/screen.h"
#include "interfaces/sound.h"

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
    Keyboard& keyboard;
    Clock& clock;
    Sound& sound;
    MainWindow& window;
    Dialogs& dialogs;
    Files& files;
    Screen& screen;
    ProgramVersion version;
    // Where the first browse for a picture starts: the program's folder on Windows, the user's
    // Pictures folder on Linux.
    std::string firstBrowseFolder;
    WindowSystem windowSystem = WindowSystem::Windows;
};

}  // namespace mipro
