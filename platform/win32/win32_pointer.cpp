#include "platform/win32/win32_pointer.h"

namespace mipro::win32 {

namespace {

HCURSOR g_override = nullptr;

// Absolute input coordinates run from 0 to 65535 across the virtual screen; a pixel maps back as
// coordinate * size / 65536, so the smallest coordinate at or above the pixel's start is taken.
LONG Normalised(LONG pixel, int origin, int size) {
    if (size <= 0) return 0;
    return static_cast<LONG>((static_cast<long long>(pixel - origin) * 65536 + size - 1) / size);
}

// The button event moves the pointer to `at` in the same input, so it lands exactly there even
// when a late mouse-move from another program has shifted the pointer since it was placed.
void SendLeftButton(DWORD flag, ScreenPoint at) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalised(at.x, GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN));
    input.mi.dy = Normalised(at.y, GetSystemMetrics(SM_YVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    input.mi.dwFlags = flag | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    SendInput(1, &input, sizeof(input));
}

HCURSOR CursorFor(PointerShape shape) {
    switch (shape) {
        case PointerShape::Hourglass:
            return LoadCursorW(nullptr, IDC_WAIT);
        case PointerShape::SizeAll:
            return LoadCursorW(nullptr, IDC_SIZEALL);
        case PointerShape::Default:
            break;
    }
    return nullptr;
}

}  // namespace

HCURSOR CursorOverride() { return g_override; }

void Win32Pointer::setCursorPos(ScreenPoint p) {
    SetCursorPos(p.x, p.y);
    placed_ = p;
    placed_known_ = true;
}

ScreenPoint Win32Pointer::getCursorPos() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

// A click happens where the program put the pointer; before it ever placed it, where it is.
void Win32Pointer::leftButtonDown() {
    SendLeftButton(MOUSEEVENTF_LEFTDOWN, placed_known_ ? placed_ : getCursorPos());
}
void Win32Pointer::leftButtonUp() { SendLeftButton(MOUSEEVENTF_LEFTUP, placed_known_ ? placed_ : getCursorPos()); }

void Win32Pointer::setShape(PointerShape shape) {
    g_override = CursorFor(shape);
    SetCursor(g_override ? g_override : LoadCursorW(nullptr, IDC_ARROW));
}

}  // namespace mipro::win32
