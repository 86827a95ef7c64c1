#include "tests/linux/e2e/x_desktop.h"

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <thread>

#include "app/form_layout.h"
#include "base/nearest_int.h"
#include "base/twips.h"
#include "board/bmp_file.h"
#include "board/board_picture.h"
#include "targeting/capture_record.h"
#include "tests/e2e/require.h"
#include "tests/e2e/wait_until.h"

namespace mipro::testing {

namespace {

using namespace std::chrono_literals;

constexpr auto kStepTimeout = 60s;
constexpr auto kEndTimeout = 10s;
constexpr auto kEndAfterSessionEnd = 5s;
constexpr int kStatusAfterSignal = 0;
constexpr int kStatusAfterConnectionLost = 1;
constexpr auto kSettle = 300ms;
// A window the program has just shown gets the keyboard within this; otherwise the user clicks it.
constexpr auto kFocusComes = 3s;
// How long a typed text may take to show in its field, and how often it is typed before giving up;
// how long a copy may take to reach the clipboard.
constexpr auto kTextReadBack = 10s;
constexpr int kTypingTries = 3;
constexpr auto kCopyArrives = 1s;
// How long the chooser may take to close once the path is confirmed.
constexpr auto kChooserCloses = 10s;
// How long the program may take to copy a box's text on a busy machine.
constexpr auto kBoxTextCopied = 30s;
constexpr const char* kMiproClass = "Mipro";
constexpr const char* kTitlePrefix = "ミプロ♪ ver.";
constexpr const char* kChooserTitle = "開く";
constexpr const char* kMagnifierTitle = "frmMAG";
// A button's label is dark while it can be pressed and grey while it cannot.
constexpr int kDarkText = 0x50;
constexpr int kDarkPixelsOfALabel = 8;
// The practice board's page: its title, then the items of its record.
constexpr const char* kBoardTitleLead = "練習ボード - ";
const std::string kRecordSeparator = " | ";

// The square corner whose capture yields `point`: the guide's derived point lies that far into it.
ScreenPoint CornerFor(ScreenPoint point, std::int32_t dx, std::int32_t dy) { return {point.x - dx, point.y - dy}; }

// How far into its magnified square each board kind's page-5 point lies.
const ScreenPoint kPlaceInSquare[] = {{kUpButtonDX, kUpButtonDY}, {kSliderDX, kSliderDY}, {kMarkDX, kMarkDY}};

// The smallest rectangle holding the board and every point the captures must yield.
ScreenRect Span(const BoardPlace& p) {
    ScreenRect r = p.boardRect;
    std::vector<ScreenPoint> points = p.places;
    points.push_back(p.canvas);
    for (const ScreenPoint q : points) {
        r = {std::min(r.left, q.x), std::min(r.top, q.y), std::max(r.right, q.x + 1), std::max(r.bottom, q.y + 1)};
    }
    return r;
}

ScreenPoint Centre(ScreenRect r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace

XDesktop::XDesktop(XUser& x, std::string miproPath, const BoardPlace& place)
    : x_(x), miproPath_(std::move(miproPath)), place_(place) {}

// The practice board's page has drawn its board once its panel shows at the board's corner.
BoardOnScreen XDesktop::showBoard() {
    if (place_.practiceBoard) {
        const ScreenRect corner{place_.boardRect.left, place_.boardRect.top, place_.boardRect.left + 1,
                                place_.boardRect.top + 1};
        Require(WaitUntil([&] { return x_.look(corner).at(0, 0) == board::kPanelColour; }, kStepTimeout),
                "the practice board did not show");
    }
    // The windows on the screen before mipro starts are the board's (a browser's, often in full
    // screen): under a window manager they stay below mipro's.
    for (const TopWindow& w : x_.windows()) x_.keepBelow(w.id);
    BoardOnScreen b;
    const ScreenPoint into = kPlaceInSquare[place_.kind];
    for (const ScreenPoint p : place_.places) b.colourSquares.push_back(CornerFor(p, into.x, into.y));
    b.canvasSquare = CornerFor(place_.canvas, kCanvasDX, kCanvasDY);
    b.codeWindow = place_.codeWindow;
    b.canvasOrigin = place_.canvas;
    b.board = place_.boardRect;
    b.canvas = place_.canvasRect;
    b.keepClear = Span(place_);
    b.canvasSizeKnown = place_.practiceBoard;
    return b;
}

bool XDesktop::saveCanvas(const std::string& bmpPath) { return board::SaveBmp24(bmpPath, x_.look(place_.canvasRect)); }

std::vector<std::string> XDesktop::boardRecord() {
    if (!place_.practiceBoard) return {};
    const auto page = x_.window([](const TopWindow& t) { return t.title.find(kBoardTitleLead) != std::string::npos; });
    Require(page.has_value(), "the practice board's page is not on the screen");
    std::vector<std::string> record;
    std::size_t at = page->title.find(kRecordSeparator);
    while (at != std::string::npos) {
        const std::size_t from = at + kRecordSeparator.size();
        at = page->title.find(kRecordSeparator, from);
        record.push_back(page->title.substr(from, at == std::string::npos ? std::string::npos : at - from));
    }
    return record;
}

// mipro ends with the driver even when the driver dies without a word (a crash, a kill), so it is
// never left on the display holding the output the script waits on.
void XDesktop::startMipro() {
    const pid_t driver = getpid();
    pid_ = fork();
    if (pid_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() == driver) execl(miproPath_.c_str(), miproPath_.c_str(), nullptr);
        _exit(127);
    }
    Require(pid_ > 0, "mipro did not start");
}

// frmMAIN is the first window of the program's title; message boxes, which share it, come later.
bool XDesktop::mainWindowShown() {
    if (main_) return mainWindow().has_value();
    const auto w = x_.window([](const TopWindow& t) {
        return t.wmClass == kMiproClass && t.title.rfind(kTitlePrefix, 0) == 0;
    });
    if (w) main_ = w->id;
    return w.has_value();
}

void XDesktop::endMipro() {
    x_.close(main_);
    int status = 0;
    const bool gone = WaitUntil([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, kEndTimeout);
    if (!gone) kill(pid_, SIGKILL);
}

long long XDesktop::endSession(const std::string& how) {
    const bool cut = how == "XKILL";
    if (cut) {
        x_.killClient(main_);
    } else {
        const int signal = how == "TERM" ? SIGTERM : how == "INT" ? SIGINT : how == "QUIT" ? SIGQUIT
                         : how == "HUP"  ? SIGHUP  : 0;
        Require(signal != 0, "not a way to end a session: " + how);
        Require(kill(pid_, signal) == 0, "the signal could not be sent");
    }
    const auto sent = std::chrono::steady_clock::now();
    int status = 0;
    Require(WaitUntil([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, kEndAfterSessionEnd),
            "mipro did not end after the session's end");
    const auto ended = std::chrono::steady_clock::now();
    Require(WIFEXITED(status), "mipro was ended by a signal instead of ending by itself");
    const int expected = cut ? kStatusAfterConnectionLost : kStatusAfterSignal;
    Require(WEXITSTATUS(status) == expected, "mipro ended with status " + std::to_string(WEXITSTATUS(status)));
    return std::chrono::duration_cast<std::chrono::milliseconds>(ended - sent).count();
}

std::optional<TopWindow> XDesktop::mainWindow() {
    return x_.window([&](const TopWindow& t) { return t.id == main_; });
}

std::optional<ScreenRect> XDesktop::mainWindowRect() {
    const auto w = mainWindow();
    if (!w) return std::nullopt;
    return w->rect;
}

void XDesktop::moveMainWindow(ScreenPoint topLeft) {
    Require(x_.moveWindow(main_, topLeft), "frmMAIN did not move where it was put");
}

// The title reads also while a window manager keeps the window minimised.
std::string XDesktop::caption() { return main_ ? x_.title(main_) : ""; }

std::optional<TopWindow> XDesktop::titled(const std::string& title) {
    return x_.window([&](const TopWindow& t) { return t.wmClass == kMiproClass && t.title == title; });
}

// The control's rectangle on the screen, from the form's design and where frmMAIN lies.
ScreenRect XDesktop::rectOf(ControlRef c) {
    const auto w = mainWindowRect();
    Require(w.has_value(), "frmMAIN is not on the screen");
    const double twips = twipsPerPixel();
    const ControlDesign& d = DesignOf(c);
    const int left = w->left + NearestInt(d.left / twips), top = w->top + NearestInt(d.top / twips);
    return {left, top, left + NearestInt(d.width / twips), top + NearestInt(d.height / twips)};
}

// The control's label is dark: the screen shows it can be pressed.
bool XDesktop::available(ControlRef c) {
    if (!mainWindow()) return false;
    const board::Raster seen = x_.look(rectOf(c));
    int dark = 0;
    for (int y = 0; y < seen.height(); ++y) {
        for (int x = 0; x < seen.width(); ++x) {
            const board::Colour p = seen.at(x, y);
            dark += board::RedOf(p) < kDarkText && board::GreenOf(p) < kDarkText && board::BlueOf(p) < kDarkText;
        }
    }
    return dark >= kDarkPixelsOfALabel;
}

void XDesktop::press(ControlRef c) { x_.clickAt(Centre(rectOf(c))); }

// mipro parks the pointer on a button away from its middle, where the hand presses it.
bool XDesktop::pointerParkedOn(ControlRef c) {
    const ScreenRect r = rectOf(c);
    const ScreenPoint p = pointer();
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom && !(p == Centre(r));
}

std::string XDesktop::text(ControlRef c) {
    x_.clickAt(Centre(rectOf(c)));
    std::string copied;
    WaitUntil([&] { return !(copied = copiedFromFocus()).empty(); }, kBoxTextCopied);
    return copied;
}

// A window manager tells which windows it keeps above the others; a bare display cannot.
std::optional<bool> XDesktop::keptAbove() {
    if (!main_ || !x_.hasWindowManager()) return std::nullopt;
    return x_.inState(main_, "_NET_WM_STATE_ABOVE");
}

bool XDesktop::fileDialogOpen() { return titled(kChooserTitle).has_value(); }

// The chooser's location bar (Control+L) takes the whole path once the chooser has the keyboard.
// The bar's text is copied back out before Return: a busy program may take a letter sent on a key
// remapped for it after the next remapping, and a path typed wrong leaves the chooser open. The
// path is typed again over the bar's whole text until it reads right.
void XDesktop::typePathAndConfirm(const std::string& utf8Path) {
    const auto chooser = titled(kChooserTitle);
    Require(chooser.has_value(), "the file dialog is not open");
    if (!WaitUntil([&] { return x_.holdsFocus(chooser->id); }, kFocusComes)) x_.focus(chooser->id);
    Require(WaitUntil([&] { return x_.holdsFocus(chooser->id); }, kStepTimeout),
            "the file dialog did not take the keyboard");
    for (int attempt = 1;; ++attempt) {
        x_.key("l", true);
        x_.key("a", true);
        x_.type(utf8Path);
        if (WaitUntil([&] { return copiedFromFocus() == utf8Path; }, kTextReadBack)) break;
        Require(attempt < kTypingTries, "the path did not come out right in the file dialog");
    }
    // A completion the chooser offers late (a busy machine) takes the first Return for itself: the
    // path, read right, is confirmed again while the chooser stays open.
    for (int press = 0; press < kTypingTries; ++press) {
        x_.key("Return");
        if (WaitUntil([&] { return !fileDialogOpen(); }, kChooserCloses)) return;
    }
}

// The text of the field with the keyboard, selected whole and copied: the clipboard is taken over
// first, so that the copy shows as the program taking it back (what the clipboard held before,
// the path typed into the file chooser, is never read for the field's text).
std::string XDesktop::copiedFromFocus() {
    x_.claimClipboard();
    x_.key("a", true);
    x_.key("c", true);
    if (!WaitUntil([&] { return x_.clipboardTakenBack(); }, kCopyArrives)) return {};
    return x_.clipboardText();
}

std::optional<ScreenRect> XDesktop::magnifierRect() {
    const auto w = titled(kMagnifierTitle);
    if (!w) return std::nullopt;
    return w->rect;
}

// The desktop's Xft.dpi (96 where it sets none), as mipro takes it: the form and the magnifier are
// laid out in device pixels at that resolution, whatever GTK's window scale.
int XDesktop::twipsPerPixel() { return TwipsPerPixelAt(NearestInt(x_.dotsPerInch())); }

// A message box: a window of the program titled with its title, other than frmMAIN. What it says
// is drawn, not told: the text stays empty.
std::optional<MessageBoxSeen> XDesktop::messageBox() {
    const auto w = x_.window([&](const TopWindow& t) {
        return t.wmClass == kMiproClass && t.id != main_ && t.title.rfind(kTitlePrefix, 0) == 0;
    });
    if (!w) return std::nullopt;
    return MessageBoxSeen{w->id, w->rect, ""};
}

// The hand comes to the question and answers with Enter, which takes its default: Yes.
void XDesktop::answer(const MessageBoxSeen& box, bool yes) {
    Require(yes, "a message box here is answered only with its default, Yes or OK");
    x_.moveTo(Centre(box.rect));
    x_.focus(box.id);
    std::this_thread::sleep_for(kSettle);
    x_.key("Return");
    Require(WaitUntil([&] { return !x_.window([&](const TopWindow& t) { return t.id == box.id; }); }, kEndTimeout),
            "the question did not close");
}

}  // namespace mipro::testing
