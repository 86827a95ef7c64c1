#include "editions/linux/linux_keyboard.h"

#include <X11/Xlib.h>
#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace mipro::linux_x11 {

namespace {

// XTest delay: the event happens at once.
constexpr unsigned long kNoDelay = CurrentTime;
// The keysym group and the shift level a keycode gives a keysym at.
constexpr int kFirstGroup = 0;
constexpr int kUnshifted = 0;

KeySym KeysymOf(char c) {
    if (c == '#') return XK_numbersign;
    return static_cast<KeySym>(static_cast<unsigned char>(c));  // Latin-1 keysyms are the characters
}

// The key of the keysym pressed (down) or released, at once; nothing where the layout has no key.
void Key(Display* display, KeySym keysym, bool down) {
    const KeyCode code = XKeysymToKeycode(display, keysym);
    if (code == 0) return;
    XTestFakeKeyEvent(display, code, down ? True : False, kNoDelay);
    XSync(display, False);
}

void Tap(Display* display, KeySym keysym) {
    Key(display, keysym, true);
    Key(display, keysym, false);
}

// A character the layout gives only with Shift (the '#' of most layouts) is typed with it.
void TypeCharacter(Display* display, char c) {
    const KeySym keysym = KeysymOf(c);
    const KeyCode code = XKeysymToKeycode(display, keysym);
    if (code == 0) return;
    const bool shifted = XkbKeycodeToKeysym(display, code, kFirstGroup, kUnshifted) != keysym;
    if (shifted) Key(display, XK_Shift_L, true);
    Tap(display, keysym);
    if (shifted) Key(display, XK_Shift_L, false);
}

}  // namespace

void LinuxKeyboard::typeCode(std::string_view text) {
    for (const char c : text) {
        if (kCodeCharacters.find(c) == std::string_view::npos || !pointer_.keyMayGo()) continue;
        TypeCharacter(x_.display(), c);
    }
}

void LinuxKeyboard::selectAll() {
    if (!pointer_.keyMayGo()) return;
    Key(x_.display(), XK_Control_L, true);
    Tap(x_.display(), XK_a);
    Key(x_.display(), XK_Control_L, false);
}

void LinuxKeyboard::pressEnter() {
    if (pointer_.keyMayGo()) Tap(x_.display(), XK_Return);
}

void LinuxKeyboard::shiftDown() {
    if (pointer_.keyMayGo()) Key(x_.display(), XK_Shift_L, true);
}

// Shift held down is always let go, as a button's release is.
void LinuxKeyboard::shiftUp() { Key(x_.display(), XK_Shift_L, false); }

}  // namespace mipro::linux_x11
