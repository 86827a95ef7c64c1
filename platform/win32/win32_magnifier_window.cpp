// The magnifier window frmMAG. Its Win32 implementation is provided by the targeting work;
// until it is, asking for it fails plainly instead of showing a half-working window.
#include <stdexcept>

#include "platform/win32/win32_screen.h"

namespace mipro::win32 {

std::unique_ptr<MagnifierWindow> Win32Screen::loadMagnifier(MagnifierEvents&) {
    throw std::logic_error("magnifier not available");
}

}  // namespace mipro::win32
