// The real mouse pointer: SetCursorPos, GetCursorPos, injected left-button events and the
// screen-wide pointer shape.
#pragma once

#include <windows.h>

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
    // Where the program last put the pointer: the button events go there.
    ScreenPoint placed_{};
    bool placed_known_ = false;
};

// The cursor that every window of the program shows while a screen-wide shape is set, or null
// for each window's own cursor. Window procedures answer WM_SETCURSOR with it.
HCURSOR CursorOverride();

}  // namespace mipro::win32
