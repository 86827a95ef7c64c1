// What the running program knows of itself: its version numbers (from its VERSIONINFO resource)
// and the folder it was started from.
#pragma once

#include <string>

#include "interfaces/platform.h"

namespace mipro::win32 {

// The file version of the running exe; 0.0.0 when it carries none.
ProgramVersion ReadProgramVersion();

// The folder of the running exe, without a trailing separator.
std::string ProgramFolder();

}  // namespace mipro::win32
