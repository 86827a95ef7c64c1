// The real mouse pointer on X11: its position read from the server, motion and left-button
// events injected with XTest (never where a hand has taken the mouse: base/hand_guard.h), and the
// pointer shape over the program's windows.
#pragma once

#include <chrono>

#include "base/hand_guard.h"
#include "editions/linux/x11_connection.h"
#include "interfaces/pointer.h"

namespace mipro::linux_x11 {

class LinuxPointer : public Pointer {
public:
    explicit LinuxPointer(X11Connection& x) : x_(x) {}

    void setCursorPos(ScreenPoint p) override;
    ScreenPoint getCursorPos() override;
    void leftButtonDown() override;
    void leftButtonUp() override;
    // X11 gives a client no screen-wide pointer shape: the shape is that of the program's own
    // windows (see editions/linux/pointer_shape.h).
    void setShape(PointerShape shape) override;

    // Whether a key may be sent now: not while a hand has taken the mouse.
    bool keyMayGo();

private:
    // The pointer as the server has it: where it is, and whether the left button is down.
    struct Reading {
        ScreenPoint at;
        bool leftHeld = false;
    };

    void move(ScreenPoint p);
    Reading read();
    Reading recentReading();
    void button(bool press, ScreenPoint now, HandGuard::Send send);
    // Tells of an injected event XTest refused (its result is 0).
    void injected(int accepted);

    X11Connection& x_;
    // Where the program last put the pointer, where the button events go, and a hand on the mouse.
    HandGuard guard_;
    bool refusal_told_ = false;
    bool leftSent_ = false;  // the left button as the program's last event left it
    Reading last_;           // the server's latest answer, and when it came
    std::chrono::steady_clock::time_point lastAt_;
};

}  // namespace mipro::linux_x11
