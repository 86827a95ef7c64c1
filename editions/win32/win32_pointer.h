// The real mouse pointer: SetCursorPos, GetCursorPos, injected left-button events and the
// screen-wide pointer shape.
#pragma once

#include <windows.h>

#include "base/hand_guard.h"
#include "interfaces/pointer.h"

namespace mipro::win32 {

class Win32Pointer : public Pointer {
public:
    void setCursorPos(ScreenPoint p) override;
    ScreenPoint getCursorPos() override;
    void leftButtonDown() override;
    void leftButtonUp() override;
    void setShape(PointerShape shape) override;

    // Whether a key may be sent now: not while a hand has taken the mouse.
    bool keyMayGo();

private:
    // A reading that has waited out a late report of an earlier position (see the .cpp).
    ScreenPoint settledReading();
    void sendLeftButton(DWORD flag, HandGuard::Send send);

    // Where the program last put the pointer, where the button events go, and a hand on the mouse.
    HandGuard guard_;
    ULONGLONG placed_at_ms_ = 0;
    // Whether a reading away from the placed point has been taken again since the placement:
    // once is enough, so a pointer the user moves costs the wait only once.
    bool reread_ = false;
};

// The cursor that every window of the program shows while a screen-wide shape is set, or null
// for each window's own cursor. Window procedures answer WM_SETCURSOR with it.
HCURSOR CursorOverride();

}  // namespace mipro::win32
