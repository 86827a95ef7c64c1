// The mouse pointer: position, injected left-button events and the screen-wide shape.
#pragma once

#include "base/types.h"

namespace mipro {

enum class PointerShape { Default, Hourglass, SizeAll };

class Pointer {
public:
    virtual ~Pointer() = default;
    virtual void setCursorPos(ScreenPoint p) = 0;
    virtual ScreenPoint getCursorPos() = 0;
    // Injected input at the pointer's current position (mouse_event).
    virtual void leftButtonDown() = 0;
    virtual void leftButtonUp() = 0;
    virtual void setShape(PointerShape shape) = 0;
};

}  // namespace mipro
