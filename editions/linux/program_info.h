// What the running program knows of itself: its version, the folder it was started from, and
// whether it is the only one running for this user.
#pragma once

#include <string>

#include "interfaces/platform.h"

namespace mipro::linux_x11 {

// The project's version, as the build set it.
ProgramVersion ReadProgramVersion();

// The folder of the running executable, without a trailing '/'; empty when it cannot be read.
std::string ProgramFolder();

// Takes this user's single-instance lock and holds it until the process ends (the system
// releases it then, however the process ends). False when another running instance holds it.
// The lock is a file in $XDG_RUNTIME_DIR, else /tmp/mipro-<uid>.lock. When the lock file cannot
// be opened at all the program is let run: true.
bool ClaimSingleInstance();

}  // namespace mipro::linux_x11
