#include "board/win32/board_window.h"

#include <windowsx.h>

#include <filesystem>
#include <optional>
#include <string>

#include "base/utf8_path.h"
#include "board/bmp_file.h"
#include "board/board_picture.h"
#include "board/report.h"
#include "board/whole_file.h"
#include "board/win32/dib_pixels.h"

namespace mipro::board::win32 {
namespace {

constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr wchar_t kFirstPrintable = 0x20;
constexpr wchar_t kDeleteCharacter = 0x7F;
// Message times are 32-bit milliseconds: a difference beyond half their range goes back in time.
constexpr DWORD kLongestStep = 0x7FFFFFFF;

Point MousePoint(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

// The keys the board takes by name; the others come as the characters they type.
std::optional<Key> NamedKey(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_RETURN: return Key::Enter;
        case VK_BACK: return Key::Backspace;
        case VK_DELETE: return Key::Delete;
        case VK_SHIFT: case VK_LSHIFT: case VK_RSHIFT: return Key::Shift;
        case VK_CONTROL: case VK_LCONTROL: case VK_RCONTROL: return Key::Control;
        default: return std::nullopt;
    }
}

bool IsLetterKey(WPARAM virtualKey) { return virtualKey >= 'A' && virtualKey <= 'Z'; }

// Keeps the object behind a window in its user data, set from the creation parameters.
template <typename T>
T* ObjectOf(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* object = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
        return object;
    }
    return reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

bool RegisterClassOf(HINSTANCE instance, const std::wstring& name, WNDPROC procedure, HBRUSH background) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    // No CS_DBLCLKS: two quick clicks must arrive as two button-downs, as the arrow buttons count them.
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name.c_str();
    return RegisterClassExW(&wc) != 0;
}

}  // namespace

BoardWindow::BoardWindow(Options options)
    : options_(std::move(options)), board_(options_.board), lastMessageTime_(GetTickCount()) {}

bool BoardWindow::create(HINSTANCE instance) {
    const std::wstring boardClass = Utf8Path(options_.className).wstring();
    const HBRUSH frameBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    if (!RegisterClassOf(instance, kFrameClass, FrameProc, frameBackground) ||
        !RegisterClassOf(instance, boardClass, BoardProc, nullptr))
        return false;

    const Size size = board_.layout().boardSize();
    RECT outer{0, 0, size.width, size.height};
    AdjustWindowRectEx(&outer, kFrameStyle, FALSE, 0);
    const int x = options_.position ? options_.position->x : CW_USEDEFAULT;
    const int y = options_.position ? options_.position->y : CW_USEDEFAULT;
    const std::wstring title = Utf8Path(BoardTitle(options_.board.kind)).wstring();
    frame_ = CreateWindowExW(0, kFrameClass, title.c_str(), kFrameStyle, x, y, outer.right - outer.left,
                             outer.bottom - outer.top, nullptr, nullptr, instance, this);
    if (!frame_) return false;
    board_window_ = CreateWindowExW(0, boardClass.c_str(), L"", WS_CHILD | WS_VISIBLE, 0, 0, size.width, size.height,
                                    frame_, nullptr, instance, this);
    return board_window_ != nullptr;
}

void BoardWindow::show(int showCommand) {
    ShowWindow(frame_, showCommand);
    UpdateWindow(frame_);
}

void BoardWindow::save() {
    if (!options_.saveCanvasPath.empty()) SaveBmp24(Utf8Path(options_.saveCanvasPath), board_.canvas());
    saveReport();
}

void BoardWindow::saveReport() {
    if (options_.reportPath.empty()) return;
    POINT origin{0, 0};
    ClientToScreen(board_window_, &origin);
    WriteWholeFile(Utf8Path(options_.reportPath), ReportText(board_, {origin.x, origin.y}));
}

LRESULT CALLBACK BoardWindow::FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    BoardWindow* self = ObjectOf<BoardWindow>(window, message, lParam);
    return self ? self->onFrameMessage(window, message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK BoardWindow::BoardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    BoardWindow* self = ObjectOf<BoardWindow>(window, message, lParam);
    return self ? self->onBoardMessage(window, message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT BoardWindow::onFrameMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kSaveMessage:
            save();
            return 0;
        case WM_SETFOCUS:
            SetFocus(board_window_);
            return 0;
        case WM_CLOSE:
            save();
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT BoardWindow::onBoardMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE:
            onPointer(window, message, lParam);
            return 0;
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
            onKey(message, wParam);
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != window) board_.loseHold();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the picture covers the whole window
        case WM_PAINT:
            paint(window);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

void BoardWindow::onPointer(HWND window, UINT message, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
            // The capture keeps a drag's moves coming when the pointer leaves the board.
            if (GetCapture() != window) SetCapture(window);
            board_.buttonDown(MousePoint(lParam), eventTime());
            break;
        case WM_LBUTTONUP:
            board_.buttonUp(MousePoint(lParam), eventTime());
            ReleaseCapture();
            break;
        case WM_MOUSEMOVE:
            board_.move(MousePoint(lParam), eventTime());
            if (!trackingLeave_) {
                TRACKMOUSEEVENT leave{sizeof(leave), TME_LEAVE, window, 0};
                trackingLeave_ = TrackMouseEvent(&leave) != FALSE;
            }
            // Only a drag or the pen cursor changes what the board shows.
            if (!board_.buttonHeld() && !board_.setup().showsPenCursor()) return;
            break;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            board_.leave();
            break;
    }
    InvalidateRect(window, nullptr, FALSE);
}

// A named key goes down or up; a character key comes as its character (WM_CHAR), but with Control
// held, where the window system types a control character instead, as the letter of its key.
void BoardWindow::onKey(UINT message, WPARAM wParam) {
    if (message == WM_CHAR) {
        const wchar_t unit = static_cast<wchar_t>(wParam);
        if (IS_HIGH_SURROGATE(unit)) {
            highSurrogate_ = unit;
        } else if (IS_LOW_SURROGATE(unit)) {
            if (highSurrogate_ != 0) board_.typed(0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00));
            highSurrogate_ = 0;
        } else if (unit >= kFirstPrintable && unit != kDeleteCharacter) {
            board_.typed(unit);
        }
        return;
    }
    if (const std::optional<Key> key = NamedKey(wParam)) {
        if (message == WM_KEYDOWN) board_.keyDown(*key);
        else board_.keyUp(*key);
    } else if (message == WM_KEYDOWN && IsLetterKey(wParam) && board_.controlHeld()) {
        board_.typed(static_cast<char32_t>(wParam - 'A' + 'a'));
    }
}

// The clock goes on by the time since the latest message; a message stamped earlier than that
// (from another queue) leaves it where it is.
Millis BoardWindow::eventTime() {
    const DWORD now = static_cast<DWORD>(GetMessageTime());
    const DWORD ahead = now - lastMessageTime_;
    if (ahead <= kLongestStep) {
        clock_ += ahead;
        lastMessageTime_ = now;
    }
    return clock_;
}

void BoardWindow::paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    PaintDib(dc, ToDib(DrawBoard(board_)));
    EndPaint(window, &ps);
}

}  // namespace mipro::board::win32
