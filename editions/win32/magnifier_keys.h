// The magnifier's keys from Windows' virtual-key codes.
#pragma once

#include <windows.h>

#include "interfaces/magnifier_window.h"

namespace mipro::win32 {

// The key of a WM_KEYDOWN's virtual-key code; Other for a key the magnifier does not answer.
MagnifierKey MagnifierKeyOf(WPARAM virtualKey);

}  // namespace mipro::win32
