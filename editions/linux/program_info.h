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

// What the single-instance lock found at start.
enum class SingleInstance {
    // The lock is this process's now, or no lock file could be made at all: the program runs.
    Alone,
    // Another running instance of this user holds the lock: the program ends, silently.
    AnotherRuns,
    // The lock's file is a link, or not this user's, or others may open it: whoever holds it
    // proves nothing, and the file is left alone.
    LockNotOurs,
};

// Takes this user's single-instance lock and holds it until the process ends (the system
// releases it then, however the process ends). The lock is a file in $XDG_RUNTIME_DIR, else
// /tmp/mipro-<uid>.lock, which only this user may open.
SingleInstance ClaimSingleInstance();

// The lock's file, as ClaimSingleInstance would use it now.
std::string SingleInstanceLockPath();

}  // namespace mipro::linux_x11
