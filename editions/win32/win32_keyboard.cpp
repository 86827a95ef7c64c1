#include "editions/win32/win32_keyboard.h"

namespace mipro::win32 {

namespace {

// VkKeyScanW's high byte: the shift state the layout needs for the character.
constexpr SHORT kNoKeyForCharacter = -1;
constexpr int kShiftNeeded = 0x100;

void SendKey(WORD virtualKey, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof(input));
}

void Tap(WORD virtualKey) {
    SendKey(virtualKey, true);
    SendKey(virtualKey, false);
}

// A character the layout has no key for goes as the character itself.
void SendCharacter(wchar_t c) {
    INPUT inputs[2]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = c;
        input.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

// The key the layout gives the character on, with Shift held around it where the layout needs it.
void TypeCharacter(char c) {
    const SHORT scan = VkKeyScanW(static_cast<wchar_t>(c));
    if (scan == kNoKeyForCharacter) {
        SendCharacter(static_cast<wchar_t>(c));
        return;
    }
    const bool shifted = (scan & kShiftNeeded) != 0;
    if (shifted) SendKey(VK_SHIFT, true);
    Tap(static_cast<WORD>(LOBYTE(scan)));
    if (shifted) SendKey(VK_SHIFT, false);
}

}  // namespace

void Win32Keyboard::typeCode(std::string_view text) {
    for (const char c : text) {
        if (kCodeCharacters.find(c) == std::string_view::npos || !pointer_.keyMayGo()) continue;
        TypeCharacter(c);
    }
}

void Win32Keyboard::selectAll() {
    if (!pointer_.keyMayGo()) return;
    SendKey(VK_CONTROL, true);
    Tap('A');
    SendKey(VK_CONTROL, false);
}

void Win32Keyboard::pressEnter() {
    if (pointer_.keyMayGo()) Tap(VK_RETURN);
}

void Win32Keyboard::shiftDown() {
    if (pointer_.keyMayGo()) SendKey(VK_SHIFT, true);
}

// Shift held down is always let go, as a button's release is.
void Win32Keyboard::shiftUp() { SendKey(VK_SHIFT, false); }

}  // namespace mipro::win32
