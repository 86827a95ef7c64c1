// The user of a whole run: starts practice-board.exe and mipro.exe, goes through the seven steps
// as a user does (the file dialog, the extraction, the board choice, both captures lined up in
// the magnifier, the speed and "描画開始"), waits for the run to end without touching the mouse,
// and saves the board's canvas.
//
//   e2e_driver PICTURE CANVAS_BMP oekakiBBS|PaintBBS fast|normal|slow
//
// Prints "go_on_answers K" (questions "描画を続けますか？" answered Yes) and "elapsed_ms N" (from
// the press of "描画開始" to the end of the run) and exits 0 when the run ended; the comparison of
// the canvas with the picture is left to the caller.
//
// With E2E_STEP_SHOT_DIR set (scripts/screenshots), the user also stops at each step and moves the
// mouse once during the run, so that the user guide's pictures can be taken (see StepShots).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "base/nearest_int.h"
#include "mipro_process.h"
#include "editions/win32/display_units.h"
#include "practice_board_process.h"
#include "targeting/magnifier_geometry.h"

namespace mipro::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr auto kStepTimeout = 60s;
constexpr int kSettleMs = 400;
constexpr int kRepaintMs = 1000;
constexpr int kPlacingTries = 5;
constexpr int kFileNameCombo = 0x47C;  // the file dialog's file-name box
const wchar_t* const kDialogClass = L"#32770";
const wchar_t* const kExtractedText = L"ピクセル情報は取り出し済みです。";
const wchar_t* const kBoardPosition = L"--pos 560,80";
// Low enough for the magnifier to lie wholly on the screen when it shows the board's controls.
const wchar_t* const kShotBoardPosition = L"--pos 560,240";
constexpr long kGapBesideBoard = 10;
const std::string kGoOnQuestion = "描画を続けますか？";
const std::string kStopQuestion = "描画を止めますか？";
const std::wstring kProgressCaption = L"% 完了";
const POINT kHandAway{20, 20};
constexpr int kHandMoveMs = 20;

struct Arguments {
    fs::path picture, canvas;
    std::wstring boardName;  // oekakiBBS or PaintBBS
    int boardIndex = 0;
    int speedIndex = 0;
};

void Fail(const std::string& what) {
    std::fprintf(stderr, "e2e: %s\n", what.c_str());
    std::fflush(stderr);
    ExitProcess(2);
}

void Require(bool ok, const std::string& what) {
    if (!ok) Fail(what);
}

Arguments Parse(int argc, wchar_t** argv) {
    Require(argc == 5, "usage: e2e_driver PICTURE CANVAS_BMP oekakiBBS|PaintBBS fast|normal|slow");
    Arguments a;
    a.picture = fs::absolute(argv[1]);
    a.canvas = fs::absolute(argv[2]);
    a.boardName = argv[3];
    Require(a.boardName == L"oekakiBBS" || a.boardName == L"PaintBBS", "the board is oekakiBBS or PaintBBS");
    a.boardIndex = a.boardName == L"oekakiBBS" ? 0 : 1;
    const std::wstring speed = argv[4];
    const std::vector<std::wstring> speeds = {L"fast", L"normal", L"slow"};
    for (int i = 0; i < 3; ++i)
        if (speed == speeds[i]) a.speedIndex = i;
    Require(speed == speeds[a.speedIndex], "the speed is fast, normal or slow");
    return a;
}

ScreenPoint PointOf(const board::Report& r, const std::string& name) {
    const std::vector<long> n = r.find(name);
    Require(n.size() >= 2, "the board's report has no " + name);
    return {static_cast<std::int32_t>(n[0]), static_cast<std::int32_t>(n[1])};
}

// The texts of a message box: its title and its message.
std::string DialogText(HWND dialog) { return fs::path(MessageBoxText(dialog)).string(); }

// The pointer for which the magnified square starts at `corner`: the window is centred on the
// pointer and the square lies SrcDX pixels from its left edge and SrcDY from its top.
ScreenPoint PointerFor(ScreenPoint corner) {
    const MagnifierGeometry g = MagnifierGeometryFor(NearestInt(win32::TwipsPerPixelX()), NearestInt(win32::TwipsPerPixelY()));
    return {corner.x - g.SrcDX + g.HalfWPx, corner.y - g.SrcDY + g.HalfHPx};
}

bool PointerIsAt(ScreenPoint p) {
    POINT now{};
    GetCursorPos(&now);
    return now.x == p.x && now.y == p.y;
}

RECT RectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// The board's window as its report gives it: left, top, width, height.
RECT BoardRect(const board::Report& r) {
    const std::vector<long> n = r.find("board");
    Require(n.size() == 4, "the board did not report its window");
    return {n[0], n[1], n[0] + n[2], n[1] + n[3]};
}

RECT Union(RECT a, RECT b) {
    RECT u{};
    UnionRect(&u, &a, &b);
    return u;
}

// With E2E_STEP_SHOT_DIR set, the user stops at each named moment, writes
// "<dir>/ready-<name>" holding the screen rectangle worth keeping ("left top width height") and
// waits for "<dir>/taken-<name>" before going on. Without it nothing stops.
class StepShots {
public:
    StepShots() {
        wchar_t dir[MAX_PATH] = {};
        if (GetEnvironmentVariableW(L"E2E_STEP_SHOT_DIR", dir, MAX_PATH) > 0) dir_ = dir;
    }

    bool wanted() const { return !dir_.empty(); }

    void offer(const std::string& name, RECT r) const {
        if (!wanted()) return;
        // The window catches up on its painting first.
        Sleep(kRepaintMs);
        // Written whole under another name first, so the taker never reads half a line.
        const fs::path part = dir_ / ("part-" + name), ready = dir_ / ("ready-" + name);
        std::ofstream(part) << r.left << ' ' << r.top << ' ' << (r.right - r.left) << ' ' << (r.bottom - r.top) << '\n';
        fs::rename(part, ready);
        Require(WaitFor([&] { return fs::exists(dir_ / ("taken-" + name)); }, kStepTimeout),
                "no screenshot was taken of " + name);
    }

private:
    fs::path dir_;
};

class User {
public:
    User(const Arguments& args, MiproProcess& mipro, const StepShots& shots)
        : args_(args), mipro_(mipro), shots_(shots) {
        Require(WaitFor([&] { return (main_ = mipro_.findWindow(win32::kMainWindowClass)) != nullptr; }, kStepTimeout),
                "mipro's window did not open");
        next_ = FormControl(main_, {Control::cmdNEXT});
        Require(WaitFor([&] { return IsWindowVisible(next_) && IsWindowEnabled(next_); }, kStepTimeout),
                "step 1 did not offer Next");
        offerWindow("step1");
    }

    void choosePicture() {
        pressNext();
        press(FormControl(main_, {Control::cmdOPEN}, 2));
        HWND dialog = nullptr;
        Require(WaitFor([&] { return (dialog = mipro_.findWindow(kDialogClass)) != nullptr; }, kStepTimeout),
                "the file dialog did not open");
        HWND name = GetDlgItem(dialog, kFileNameCombo);
        Require(name != nullptr, "the file dialog has no file-name box");
        SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args_.picture.wstring().c_str()));
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        Require(WaitFor([&] { return !IsWindow(dialog); }, kStepTimeout), "the file dialog did not close");
        waitForNext("the picture was not loaded");
        offerWindow("step2");
    }

    // Wine without a window manager cannot minimise a window out of sight, so during the run the
    // program's window would stay where it is, perhaps over the board's canvas. The user moves
    // it to the left of the board first, as one would on a crowded desktop.
    void moveWindowBesideBoard(const board::Report& r) {
        const std::vector<long> board = r.find("board");
        Require(board.size() == 4, "the board did not report its window");
        RECT own{};
        GetWindowRect(main_, &own);
        const long x = std::max(0L, board[0] - (own.right - own.left) - kGapBesideBoard);
        SetWindowPos(main_, nullptr, static_cast<int>(x), own.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    void extractPixels() {
        pressNext();
        HWND status = FormControl(main_, {Control::lblSTINFO, 3}, 3);
        Require(WaitFor([&] { return TextOf(status) == kExtractedText; }, kStepTimeout), "the extraction did not end");
        waitForNext("step 3 did not offer Next");
        offerWindow("step3");
    }

    void chooseBoard() {
        pressNext();
        press(FormControl(main_, {Control::optBOARD, args_.boardIndex}, 4));
        waitForNext("step 4 did not offer Next");
        offerWindow("step4");
    }

    void captureControls(const board::Report& r) {
        pressNext();
        offerWindow("step5");
        press(FormControl(main_, {Control::cmdGETRGB}, 5));
        lineUp({PointOf(r, "red_guide"), PointOf(r, "green_guide"), PointOf(r, "blue_guide")}, "magnifier-colour",
               BoardRect(r));
        waitForNext("the colour controls were not captured");
    }

    void captureOrigin(const board::Report& r) {
        pressNext();
        offerWindow("step6");
        press(FormControl(main_, {Control::cmdGETHOME}, 6));
        lineUp({PointOf(r, "canvas_guide")}, "magnifier-canvas", BoardRect(r));
        Require(WaitFor([&] { return ShownMagnifier() == nullptr && IsWindowVisible(main_); }, kStepTimeout),
                "the origin was not captured");
    }

    // Chooses the speed, presses "描画開始" and waits for the run to give the window's topmost
    // state back, timing it. Should a pointer read still find the previous pixel's position, the
    // run asks whether to go on: the user has not moved the mouse and answers Yes, counted in
    // `goOnAnswers`. The same read during the colour reset asks whether to stop: the user answers
    // No, so the preparation is tried again.
    long long draw(std::chrono::milliseconds limit, const std::function<void()>& onStop, int& goOnAnswers) {
        pressNext();
        press(FormControl(main_, {Control::optSPEED, args_.speedIndex}, 7));
        Sleep(kSettleMs);
        offerWindow("step7");
        HWND drawButton = FormControl(main_, {Control::cmdDRAW}, 7);
        const auto start = std::chrono::steady_clock::now();
        PostMessageW(drawButton, BM_CLICK, 0, 0);
        Require(WaitFor([&] { return topmost() || questionOpen(); }, kStepTimeout), "the run did not start");
        if (shots_.wanted()) moveHandDuringRun();
        goOnAnswers = 0;
        for (;;) {
            const bool settled = WaitFor([&] { return !topmost() || questionOpen(); }, limit);
            HWND question = mipro_.findWindow(kDialogClass);
            if (settled && question && DialogText(question).find(kGoOnQuestion) != std::string::npos) {
                if (shots_.wanted()) SendMessageW(question, WM_NCACTIVATE, TRUE, 0);
                shots_.offer("go-on-question", RectOf(question));
                ++goOnAnswers;
                answerYes(question);
                continue;
            }
            if (settled && question && DialogText(question).find(kStopQuestion) != std::string::npos) {
                std::printf("retry_answer %s\n", DialogText(question).c_str());
                answer(question, IDNO);
                continue;
            }
            const auto end = std::chrono::steady_clock::now();
            if (!settled || question) onStop();
            Require(question == nullptr, "the run stopped with a question: " + DialogText(question));
            Require(settled, "the run did not end in time");
            return std::chrono::duration_cast<std::chrono::milliseconds>(end - start).count();
        }
    }

private:
    // Once some of the picture is drawn, the hand moves the mouse away until the run notices and
    // asks whether to go on.
    void moveHandDuringRun() {
        Require(WaitFor([&] { return TextOf(main_).find(kProgressCaption) != std::wstring::npos; }, kStepTimeout),
                "the run showed no progress");
        Require(WaitFor([&] {
                    SetCursorPos(kHandAway.x, kHandAway.y);
                    Sleep(kHandMoveMs);
                    return questionOpen();
                }, kStepTimeout),
                "moving the mouse did not interrupt the run");
    }

    // The main window in front, its title bar painted active. Wine without a window manager
    // leaves title bars painted inactive after a dialog closes or opens, although the window is in
    // front; Windows paints them active.
    void offerWindow(const std::string& name) {
        if (!shots_.wanted()) return;
        SetForegroundWindow(main_);
        SendMessageW(main_, WM_NCACTIVATE, TRUE, 0);
        shots_.offer(name, RectOf(main_));
    }

    bool topmost() const { return (GetWindowLongW(main_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }
    bool questionOpen() const { return mipro_.findWindow(kDialogClass) != nullptr; }

    void press(HWND button) {
        Require(WaitFor([&] { return IsWindowVisible(button) && IsWindowEnabled(button); }, kStepTimeout),
                "a button did not become available");
        PostMessageW(button, BM_CLICK, 0, 0);
    }
    void pressNext() { press(next_); }
    void answerYes(HWND question) { answer(question, IDYES); }
    void answer(HWND question, int button) {
        PostMessageW(GetDlgItem(question, button), BM_CLICK, 0, 0);
        WaitFor([&] { return !IsWindow(question); }, kStepTimeout);
    }
    void waitForNext(const std::string& what) {
        WaitFor([&] { return IsWindowEnabled(next_) || questionOpen(); }, kStepTimeout);
        Require(!questionOpen(), what + ": " + DialogText(mipro_.findWindow(kDialogClass)));
        Require(IsWindowEnabled(next_) != 0, what);
    }

    // For each square corner in turn: waits for the magnifier, puts the pointer where its guide
    // lines up with the control, and presses Enter. The first lined-up view is offered as `shot`
    // with the board around it.
    void lineUp(const std::vector<ScreenPoint>& corners, const std::string& shot, RECT board) {
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const ScreenPoint corner = corners[i];
            Require(WaitFor([] { return ShownMagnifier() != nullptr; }, kStepTimeout), "the magnifier did not open");
            // The magnifier puts the pointer where it opens: the hand moves only after that.
            Sleep(kSettleMs);
            const ScreenPoint p = PointerFor(corner);
            for (int tries = 0; tries < kPlacingTries && !PointerIsAt(p); ++tries) {
                SetCursorPos(p.x, p.y);
                Sleep(kSettleMs);
            }
            if (i == 0 && shots_.wanted()) {
                // The view is drawn when the pointer moves: a step aside and back draws the board
                // as it is now, repainted where the main window lay before it hid.
                SetCursorPos(p.x + 1, p.y);
                Sleep(kSettleMs);
                SetCursorPos(p.x, p.y);
                shots_.offer(shot, Union(RectOf(ShownMagnifier()), board));
            }
            PressEnter();
            Sleep(kSettleMs);
        }
    }

    const Arguments& args_;
    MiproProcess& mipro_;
    const StepShots& shots_;
    HWND main_ = nullptr;
    HWND next_ = nullptr;
};

// With E2E_SHOT_DIR set, writes "<dir>/ready" once the run has ended and waits for "<dir>/taken",
// so that a screenshot of the board can be taken from outside before it closes.
void OfferScreenshot() {
    wchar_t dir[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"E2E_SHOT_DIR", dir, MAX_PATH) == 0) return;
    const fs::path base(dir);
    // The windows the run kept from repainting catch up first.
    Sleep(kRepaintMs);
    std::ofstream(base / L"ready").put('\n');
    WaitFor([&] { return fs::exists(base / L"taken"); }, kStepTimeout);
}

int Run(const Arguments& args) {
    const StepShots shots;
    PracticeBoardProcess board(L"--board " + args.boardName + L" " + (shots.wanted() ? kShotBoardPosition : kBoardPosition),
                               L"e2e");
    const auto shown = board.waitUntilShown();
    Require(shown.has_value(), "the practice board did not start");

    MiproProcess mipro;
    Require(mipro.started(), "mipro.exe did not start");
    User user(args, mipro, shots);
    user.choosePicture();
    user.extractPixels();
    user.chooseBoard();
    user.captureControls(*shown);
    user.captureOrigin(*shown);
    user.moveWindowBesideBoard(*shown);
    int goOnAnswers = 0;
    const long long elapsedMs = user.draw(std::chrono::minutes(30), [&] {
        if (const auto r = board.requestSave()) {
            for (const auto& item : r->items()) {
                if (item.name != "input" && item.name != "event" && item.name != "values") continue;
                std::fprintf(stderr, "board %s", item.name.c_str());
                for (long n : item.numbers) std::fprintf(stderr, " %ld", n);
                std::fprintf(stderr, "\n");
            }
        }
    }, goOnAnswers);

    OfferScreenshot();
    shots.offer("done", BoardRect(*shown));
    Require(board.requestSave().has_value(), "the board did not save its canvas");
    std::error_code ec;
    fs::copy_file(board.canvasPath(), args.canvas, fs::copy_options::overwrite_existing, ec);
    Require(!ec, "the canvas could not be copied to " + args.canvas.string());
    const std::vector<long> window = shown->find("board");
    if (window.size() == 4)
        std::printf("board_window %ld %ld %ld %ld\n", window[0], window[1], window[2], window[3]);
    std::printf("go_on_answers %d\n", goOnAnswers);
    std::printf("elapsed_ms %lld\n", elapsedMs);
    return 0;
}

}  // namespace
}  // namespace mipro::testing

int wmain(int argc, wchar_t** argv) { return mipro::testing::Run(mipro::testing::Parse(argc, argv)); }
