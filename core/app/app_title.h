// The window title "ミプロ♪ ver." followed by the program's version and "b".
#pragma once

#include <string>

#include "interfaces/platform.h"

namespace mipro {

inline std::string BuildAppTitle(const ProgramVersion& v) {
    return "ミプロ♪ ver." + std::to_string(v.major) + "." + std::to_string(v.minor) + "." +
           std::to_string(v.revision) + "b";
}

}  // namespace mipro
