#include "editions/win32/win32_pointer.h"


namespace mipro::win32 {

namespace {

HCURSOR g_override = nullptr;

// Wine records the pointer reports the X server sends to every program's window, and one that
// arrives late can put the recorded position back, for a few milliseconds, to where the pointer
// was before the program placed it. A reading soon after a placement that disagrees with it is
// therefore taken again, every kRereadEveryMs for up to kRereadForMs, until it shows the placed
// point. A pointer the user has moved stays away, and that reading is what the program gets.
constexpr ULONGLONG kLateReportWindowMs = 250;
constexpr ULONGLONG kRereadForMs = 150;
constexpr DWORD kRereadEveryMs = 5;

ScreenPoint ReadCursor() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

// Absolute input coordinates run from 0 to 65535 across the virtual screen; a pixel maps back as
// coordinate * size / 65536, so the smallest coordinate at or above the pixel's start is taken.
LONG Normalised(LONG pixel, int origin, int size) {
    if (size <= 0) return 0;
    return static_cast<LONG>((static_cast<long long>(pixel - origin) * 65536 + size - 1) / size);
}

// The button event moves the pointer to `at` in the same input, so it lands exactly there even
// when a late mouse-move from another program has shifted the pointer since it was placed.
void SendLeftButtonAt(DWORD flag, ScreenPoint at) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalised(at.x, GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN));
    input.mi.dy = Normalised(at.y, GetSystemMetrics(SM_YVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    input.mi.dwFlags = flag | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    SendInput(1, &input, sizeof(input));
}

// The button event where the pointer is, leaving it there.
void SendLeftButtonHere(DWORD flag) {
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

void Win32Pointer::setCursorPos(ScreenPoint p) {
    SetCursorPos(p.x, p.y);
    guard_.placed(p);
    placed_at_ms_ = GetTickCount64();
    reread_ = false;
}

ScreenPoint Win32Pointer::getCursorPos() { return guard_.reading(settledReading()); }

ScreenPoint Win32Pointer::settledReading() {
    ScreenPoint p = ReadCursor();
    const std::optional<ScreenPoint>& placed = guard_.placement();
    const bool justPlaced = placed && !reread_ && GetTickCount64() - placed_at_ms_ <= kLateReportWindowMs;
    if (!justPlaced || p == *placed) return p;
    reread_ = true;
    const ULONGLONG start = GetTickCount64();
    while (p != *placed && GetTickCount64() - start < kRereadForMs) {
        Sleep(kRereadEveryMs);
        p = ReadCursor();
    }
    return p;
}

void Win32Pointer::sendLeftButton(DWORD flag, HandGuard::Send send) {
    switch (send) {
        case HandGuard::Send::AtPlacement: SendLeftButtonAt(flag, *guard_.placement()); break;
        case HandGuard::Send::Here: SendLeftButtonHere(flag); break;
        case HandGuard::Send::Nothing: break;
    }
}

void Win32Pointer::leftButtonDown() { sendLeftButton(MOUSEEVENTF_LEFTDOWN, guard_.press(settledReading())); }
void Win32Pointer::leftButtonUp() { sendLeftButton(MOUSEEVENTF_LEFTUP, guard_.release(settledReading())); }

bool Win32Pointer::keyMayGo() { return guard_.key(settledReading()); }

void Win32Pointer::setShape(PointerShape shape) {
    g_override = CursorFor(shape);
    SetCursor(g_override ? g_override : LoadCursorW(nullptr, IDC_ARROW));
}

}  // namespace mipro::win32
