#include "editions/win32/magnifier_keys.h"

namespace mipro::win32 {

// The keypad's Enter and, with Num Lock off, its arrows send the same codes as the main keys.
MagnifierKey MagnifierKeyOf(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_RETURN: return MagnifierKey::Enter;
        case VK_ESCAPE: return MagnifierKey::Escape;
        case VK_LEFT: return MagnifierKey::Left;
        case VK_UP: return MagnifierKey::Up;
        case VK_RIGHT: return MagnifierKey::Right;
        case VK_DOWN: return MagnifierKey::Down;
        default: return MagnifierKey::Other;
    }
}

}  // namespace mipro::win32
