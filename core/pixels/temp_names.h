// Temporary file names, through the platform's files.
#pragma once

#include <string>

#include "wizard/wizard.h"

namespace mipro {

// The temporary directory with its trailing separator.
std::string GetTempDir(Wizard& w);

// The full path of a new, empty temporary file whose name begins with `prefix`; empty when the
// file could not be made.
std::string GetTempName(Wizard& w, const std::string& prefix);

}  // namespace mipro
