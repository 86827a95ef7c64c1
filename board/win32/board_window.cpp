#include "board/win32/board_window.h"

#include <windowsx.h>

#include <filesystem>
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
constexpr wchar_t kSaveKey = L'S';

Point MousePoint(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

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

BoardWindow::BoardWindow(Options options) : options_(std::move(options)), board_(options_.board) {}

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
        case WM_KEYDOWN:
            if (wParam == kSaveKey) save();
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
            // The capture keeps a drag's moves coming when the pointer leaves the board.
            if (GetCapture() != window) SetCapture(window);
            board_.buttonDown(MousePoint(lParam));
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_LBUTTONUP:
            board_.buttonUp(MousePoint(lParam));
            ReleaseCapture();
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_MOUSEMOVE:
            board_.move(MousePoint(lParam));
            if (board_.buttonHeld()) InvalidateRect(window, nullptr, FALSE);
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

void BoardWindow::paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    PaintDib(dc, ToDib(DrawBoard(board_)));
    EndPaint(window, &ps);
}

}  // namespace mipro::board::win32
