// The real keyboard: key presses injected with SendInput into whatever holds the focus, never while
// a hand has taken the mouse (the pointer's hand guard decides).
#pragma once

#include <windows.h>

#include "editions/win32/win32_pointer.h"
#include "interfaces/keyboard.h"

namespace mipro::win32 {

class Win32Keyboard : public Keyboard {
public:
    explicit Win32Keyboard(Win32Pointer& pointer) : pointer_(pointer) {}

    void typeCode(std::string_view text) override;
    void selectAll() override;
    void pressEnter() override;
    void shiftDown() override;
    void shiftUp() override;

private:
    Win32Pointer& pointer_;
};

}  // namespace mipro::win32
