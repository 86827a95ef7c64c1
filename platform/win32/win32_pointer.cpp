#include "platform/win32/win32_pointer.h"

namespace mipro::win32 {

namespace {

HCURSOR g_override = nullptr;

void SendLeftButton(DWORD flag) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
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

void Win32Pointer::setCursorPos(ScreenPoint p) { SetCursorPos(p.x, p.y); }

ScreenPoint Win32Pointer::getCursorPos() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

// The events carry no position: they happen where the pointer is.
void Win32Pointer::leftButtonDown() { SendLeftButton(MOUSEEVENTF_LEFTDOWN); }
void Win32Pointer::leftButtonUp() { SendLeftButton(MOUSEEVENTF_LEFTUP); }

void Win32Pointer::setShape(PointerShape shape) {
    g_override = CursorFor(shape);
    SetCursor(g_override ? g_override : LoadCursorW(nullptr, IDC_ARROW));
}

}  // namespace mipro::win32
