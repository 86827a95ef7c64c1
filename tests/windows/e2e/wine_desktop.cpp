#include "wine_desktop.h"

#include <cstdio>
#include <filesystem>
#include <vector>

#include "app/form_layout.h"
#include "base/nearest_int.h"
#include "editions/win32/display_units.h"
#include "targeting/capture_record.h"
#include "tests/e2e/require.h"
#include "tests/e2e/wait_until.h"

namespace mipro::testing {

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr auto kStepTimeout = 60s;
constexpr int kFileNameCombo = 0x47C;  // the file dialog's file-name box
constexpr int kMostTextChars = 64;      // a text box's text as the driver reads it
const wchar_t* const kDialogClass = L"#32770";
const wchar_t* const kBoardPosition = L"--pos 560,80";
// Low enough for the magnifier to lie wholly on the screen when it shows the board's controls.
const wchar_t* const kShotBoardPosition = L"--pos 560,240";
// The items of the board's report that tell what it made of the presses.
const char* const kRecordItems[] = {"tool", "presses", "stray", "busy", "busy_ms", "input", "window_presses", "keys", "codes", "stabiliser"};

std::string Utf8(const std::wstring& text) {
    const std::u8string u8 = fs::path(text).u8string();
    return std::string(u8.begin(), u8.end());
}

ScreenRect RectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

ScreenRect ReportRect(const board::Report& r, const std::string& name) {
    const std::vector<long> n = r.find(name);
    Require(n.size() == 4, "the board's report has no " + name);
    return {static_cast<std::int32_t>(n[0]), static_cast<std::int32_t>(n[1]), static_cast<std::int32_t>(n[0] + n[2]),
            static_cast<std::int32_t>(n[1] + n[3])};
}

ScreenPoint ReportPoint(const board::Report& r, const std::string& name) {
    const ScreenPoint p = PointOf(r, name);
    Require(p.x >= 0, "the board's report has no " + name);
    return p;
}

// The square corner whose capture yields a code board's place: the guide's red cross lies that
// far into it.
ScreenPoint MarkedSquare(ScreenPoint place) { return {place.x - kMarkDX, place.y - kMarkDY}; }

}  // namespace

// Page 5's squares in the order the user captures them: the colour controls' guides, or a code
// board's places.
std::vector<ScreenPoint> WineDesktop::PageFiveSquares(const board::Report& shown) const {
    if (options_.boardName != "ColourCode") {
        return {ReportPoint(shown, "red_guide"), ReportPoint(shown, "green_guide"), ReportPoint(shown, "blue_guide")};
    }
    std::vector<ScreenPoint> squares;
    if (CapturesOpener(options_)) squares.push_back(MarkedSquare(ReportPoint(shown, "code_open")));
    squares.push_back(MarkedSquare(ReportPoint(shown, "code_field")));
    squares.push_back(MarkedSquare(ReportPoint(shown, "swatch")));
    if (CapturesCloser(options_)) squares.push_back(MarkedSquare(ReportPoint(shown, "code_close")));
    return squares;
}

WineDesktop::WineDesktop(const RunOptions& options, std::wstring boardArgs)
    : options_(options), boardArgs_(std::move(boardArgs)) {}

BoardOnScreen WineDesktop::showBoard() {
    const std::wstring position = options_.stepShotDir.empty() ? kBoardPosition : kShotBoardPosition;
    board_.emplace(L"--board " + fs::path(options_.boardName).wstring() + L" " + position + boardArgs_, L"e2e");
    const auto shown = board_->waitUntilShown();
    Require(shown.has_value(), "the practice board did not start");
    BoardOnScreen b;
    b.colourSquares = PageFiveSquares(*shown);
    b.canvasSquare = ReportPoint(*shown, "canvas_guide");
    if (options_.opener == CodeOpener::Window) {
        b.codeWindow = {ReportPoint(*shown, "code_close"), ReportPoint(*shown, "code_window_face")};
    }
    b.board = b.keepClear = ReportRect(*shown, "board");
    b.canvas = ReportRect(*shown, "canvas");
    b.canvasOrigin = {b.canvas.left, b.canvas.top};
    b.canvasSizeKnown = true;
    return b;
}

bool WineDesktop::saveCanvas(const std::string& bmpPath) {
    if (!board_->requestSave()) return false;
    std::error_code ec;
    fs::copy_file(board_->canvasPath(), PathFromUtf8(bmpPath), fs::copy_options::overwrite_existing, ec);
    return !ec;
}

void WineDesktop::describeBoard() {
    const auto r = board_->requestSave();
    if (!r) return;
    for (const auto& item : r->items()) {
        if (item.name != "input" && item.name != "event" && item.name != "values") continue;
        std::fprintf(stderr, "board %s", item.name.c_str());
        for (long n : item.numbers) std::fprintf(stderr, " %ld", n);
        std::fprintf(stderr, "\n");
    }
}

std::vector<std::string> WineDesktop::boardRecord() {
    const auto r = board_->requestSave();
    Require(r.has_value(), "the board wrote no report");
    std::vector<std::string> record;
    for (const char* name : kRecordItems) {
        std::string line = name;
        for (long n : r->find(name)) line += " " + std::to_string(n);
        record.push_back(line);
    }
    return record;
}

void WineDesktop::startMipro() {
    mipro_.emplace();
    Require(mipro_->started(), "mipro.exe did not start");
}

bool WineDesktop::mainWindowShown() {
    if (!main_) main_ = mipro_->findWindow(win32::kMainWindowClass);
    return main_ && IsWindowVisible(main_);
}

void WineDesktop::endMipro() { mipro_.reset(); }

long long WineDesktop::endSession(const std::string& how) { Fail("--end-at-percent " + how + " needs the Linux edition"); }

std::optional<ScreenRect> WineDesktop::mainWindowRect() {
    if (!mainWindowShown()) return std::nullopt;
    return RectOf(main_);
}

void WineDesktop::moveMainWindow(ScreenPoint topLeft) {
    SetWindowPos(main_, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string WineDesktop::caption() { return Utf8(TextOf(main_)); }

std::optional<bool> WineDesktop::keptAbove() { return (GetWindowLongW(main_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// Wine without a window manager leaves title bars painted inactive after a dialog closes or
// opens, although the window is in front; Windows paints them active.
void WineDesktop::showMainActive() {
    SetForegroundWindow(main_);
    SendMessageW(main_, WM_NCACTIVATE, TRUE, 0);
}

// A control of frmMAIN: the frame's own controls sit on the client area, the others on their page.
HWND WineDesktop::control(ControlRef c) { return FormControl(main_, c, DesignOf(c).page); }

bool WineDesktop::available(ControlRef c) {
    const HWND h = control(c);
    return h && IsWindowVisible(h) && IsWindowEnabled(h);
}

void WineDesktop::press(ControlRef c) { PostMessageW(control(c), BM_CLICK, 0, 0); }

// An edit control of another process keeps its text to itself: GetWindowText reads only window
// captions across processes, WM_GETTEXT asks the control.
std::string WineDesktop::text(ControlRef c) {
    wchar_t text[kMostTextChars] = {};
    SendMessageW(control(c), WM_GETTEXT, kMostTextChars, reinterpret_cast<LPARAM>(text));
    return Utf8(text);
}

HWND WineDesktop::dialog() { return mipro_->findWindow(kDialogClass); }

bool WineDesktop::fileDialogOpen() { return dialog() != nullptr; }

void WineDesktop::typePathAndConfirm(const std::string& utf8Path) {
    const HWND d = dialog();
    const HWND name = GetDlgItem(d, kFileNameCombo);
    Require(name != nullptr, "the file dialog has no file-name box");
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(PathFromUtf8(utf8Path).wstring().c_str()));
    PostMessageW(d, WM_COMMAND, IDOK, 0);
}

std::optional<ScreenRect> WineDesktop::magnifierRect() {
    const HWND m = ShownMagnifier();
    if (!m) return std::nullopt;
    return RectOf(m);
}

int WineDesktop::twipsPerPixel() { return NearestInt(win32::TwipsPerPixelX()); }

std::optional<MessageBoxSeen> WineDesktop::messageBox() {
    const HWND d = dialog();
    if (!d) return std::nullopt;
    return MessageBoxSeen{reinterpret_cast<std::uintptr_t>(d), RectOf(d), Utf8(MessageBoxText(d))};
}

void WineDesktop::answer(const MessageBoxSeen& box, bool yes) {
    const HWND d = reinterpret_cast<HWND>(box.id);
    const HWND okOnly = GetDlgItem(d, IDYES) ? nullptr : GetDlgItem(d, IDOK);
    PostMessageW(okOnly ? okOnly : GetDlgItem(d, yes ? IDYES : IDNO), BM_CLICK, 0, 0);
    WaitUntil([&] { return !IsWindow(d); }, kStepTimeout);
}

void WineDesktop::showActive(const MessageBoxSeen& box) {
    SendMessageW(reinterpret_cast<HWND>(box.id), WM_NCACTIVATE, TRUE, 0);
}

ScreenRect WineDesktop::screen() { return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

ScreenPoint WineDesktop::pointer() {
    POINT now{};
    GetCursorPos(&now);
    return {now.x, now.y};
}

void WineDesktop::moveTo(ScreenPoint p) { SetCursorPos(p.x, p.y); }

// The left button pressed and released where the pointer was put, as the user's hand does it.
void WineDesktop::clickAt(ScreenPoint p) {
    SetCursorPos(p.x, p.y);
    INPUT buttons[2] = {};
    buttons[0].type = buttons[1].type = INPUT_MOUSE;
    buttons[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    buttons[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, buttons, sizeof(INPUT));
}

std::int32_t WineDesktop::pixelAt(ScreenPoint p) {
    HDC screen = GetDC(nullptr);
    const COLORREF seen = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return static_cast<std::int32_t>(seen);
}

void WineDesktop::pressEnter() { PressEnter(); }

}  // namespace mipro::testing
