// The real keyboard on X11: key events injected with XTest into whatever holds the focus, each key
// pressed and released, never while a hand has taken the mouse (the pointer's hand guard decides).
#pragma once

#include "editions/linux/linux_pointer.h"
#include "editions/linux/x11_connection.h"
#include "interfaces/keyboard.h"

namespace mipro::linux_x11 {

class LinuxKeyboard : public Keyboard {
public:
    LinuxKeyboard(X11Connection& x, LinuxPointer& pointer) : x_(x), pointer_(pointer) {}

    void typeCode(std::string_view text) override;
    void selectAll() override;
    void pressEnter() override;
    void shiftDown() override;
    void shiftUp() override;

private:
    X11Connection& x_;
    LinuxPointer& pointer_;
};

}  // namespace mipro::linux_x11
