// The keyboard: keys injected into whatever holds the keyboard focus, for boards that take a colour
// typed as a code. Like the mouse's buttons, no key is sent while a user's hand has taken the mouse
// (base/hand_guard.h): the hand may have put the focus somewhere else.
//
// Only these keys are ever sent: the characters of a colour code, the select-all chord, Enter and
// Shift. Never Backspace, Delete or any other key: several boards take those, when no text field
// has the focus, as commands on the whole canvas.
#pragma once

#include <string_view>

namespace mipro {

// The characters a colour code is typed with.
constexpr std::string_view kCodeCharacters = "#0123456789abcdefABCDEF";

class Keyboard {
public:
    virtual ~Keyboard() = default;
    // Each character of kCodeCharacters pressed and released in turn, with Shift held around it
    // where the keyboard layout needs it; any other character is not sent.
    virtual void typeCode(std::string_view text) = 0;
    // Ctrl+A: a text field with the focus selects all its text.
    virtual void selectAll() = 0;
    virtual void pressEnter() = 0;
    // Shift held down and let go, around clicks that a board takes otherwise with Shift.
    virtual void shiftDown() = 0;
    virtual void shiftUp() = 0;
};

}  // namespace mipro
