// The real mouse pointer: SetCursorPos, GetCursorPos, injected left-button events and the
// screen-wide pointer shape.
#pragma once

#include <windows.h>

#include <optional>

#include "platform/pointer.h"

namespace mipro::win32 {

class Win32Pointer : public Pointer {
public:
    void setCursorPos(ScreenPoint p) override;
    ScreenPoint getCursorPos() override;
    void leftButtonDown() override;
    void leftButtonUp() override;
    void setShape(PointerShape shape) override;

private:
    // A reading that has waited out a late report of an earlier position (see the .cpp).
    ScreenPoint settledReading();
    void sendLeftButton(DWORD flag);

    // Where and when the program last put the pointer: the button events go there.
    ScreenPoint placed_{};
    bool placed_known_ = false;
    ULONGLONG placed_at_ms_ = 0;
    // Whether a reading away from the placed point has been taken again since the placement:
    // once is enough, so a pointer the user moves costs the wait only once.
    bool reread_ = false;
    // Where a hand was found during a button event, until a reading has reported it.
    std::optional<ScreenPoint> handSeenAt_;
};

// The cursor that every window of the program shows while a screen-wide shape is set, or null
// for each window's own cursor. Window procedures answer WM_SETCURSOR with it.
HCURSOR CursorOverride();

}  // namespace mipro::win32
