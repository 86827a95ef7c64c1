#include "editions/linux/magnifier_input.h"

namespace mipro::linux_x11 {

// The keypad's Enter and arrows count as the main keys, as they do on Windows.
MagnifierKey MagnifierKeyOf(guint keyval) {
    switch (keyval) {
        case GDK_KEY_Return:
        case GDK_KEY_KP_Enter: return MagnifierKey::Enter;
        case GDK_KEY_Escape: return MagnifierKey::Escape;
        case GDK_KEY_Left:
        case GDK_KEY_KP_Left: return MagnifierKey::Left;
        case GDK_KEY_Up:
        case GDK_KEY_KP_Up: return MagnifierKey::Up;
        case GDK_KEY_Right:
        case GDK_KEY_KP_Right: return MagnifierKey::Right;
        case GDK_KEY_Down:
        case GDK_KEY_KP_Down: return MagnifierKey::Down;
        default: return MagnifierKey::Other;
    }
}

// GDK numbers the middle button 2 and the right one 3.
MouseButton MouseButtonOf(guint button) {
    switch (button) {
        case GDK_BUTTON_PRIMARY: return MouseButton::Left;
        case GDK_BUTTON_SECONDARY: return MouseButton::Right;
        case GDK_BUTTON_MIDDLE: return MouseButton::Middle;
        default: return MouseButton::Other;
    }
}

}  // namespace mipro::linux_x11
