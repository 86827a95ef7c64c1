// A draw run on the real window system, inside this test program, into practice-board.exe: a hand
// that takes the mouse while the program drags a slider stops the run with its question.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "app/frame.h"
#include "app/main_form.h"
#include "drawing/draw_run.h"
#include "mipro_process.h"
#include "editions/win32/win32_desktop.h"
#include "practice_board_process.h"

namespace mipro::testing {
namespace {

using namespace std::chrono_literals;

constexpr auto kWaitLimit = 30s;
constexpr int kHandSteps = 10;
constexpr int kHandStepPx = 5;
constexpr DWORD kHandStepMs = 10;

bool PointerAt(ScreenPoint p) {
    POINT now{};
    GetCursorPos(&now);
    return now.x == p.x && now.y == p.y;
}

HWND OpenMessageBox() {
    HWND box = FindWindowW(L"#32770", nullptr);
    return box && IsWindowVisible(box) ? box : nullptr;
}

// Waits, looking every millisecond, until the program puts the pointer on `p`: it rests there
// only for a pause of the drag.
bool WatchFor(ScreenPoint p) {
    const auto end = std::chrono::steady_clock::now() + kWaitLimit;
    while (!PointerAt(p)) {
        if (std::chrono::steady_clock::now() > end) return false;
        Sleep(1);
    }
    return true;
}

// A hand on the mouse: once the program has put the pointer on `trigger`, it moves the mouse a few
// pixels at a time for a moment and lets go; then it answers the question that comes with No.
class Hand {
public:
    explicit Hand(ScreenPoint trigger)
        : thread_([this, trigger] {
              if (!WatchFor(trigger)) return;
              for (int step = 1; step <= kHandSteps; ++step) {
                  SetCursorPos(trigger.x + kHandStepPx * step, trigger.y + kHandStepPx * step);
                  Sleep(kHandStepMs);
              }
              HWND box = nullptr;
              if (!WaitFor([&] { return (box = OpenMessageBox()) != nullptr; }, kWaitLimit)) return;
              question_ = MessageBoxText(box);
              PostMessageW(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
          }) {}
    ~Hand() { join(); }

    void join() {
        if (thread_.joinable()) thread_.join();
    }
    const std::wstring& question() const { return question_; }

private:
    std::wstring question_;
    std::thread thread_;
};

TEST(HandOnTheMouse, MovingItDuringASliderDragStopsTheRunWithItsQuestion) {
    PracticeBoardProcess board(L"--board PaintBBS --pos 640,520", L"hand");
    ASSERT_TRUE(board.started()) << "practice-board.exe did not start: error " << board.startError();
    const std::optional<board::Report> r = board.waitUntilShown();
    ASSERT_TRUE(r) << "the practice board wrote no report";

    win32::Win32Desktop desk;
    Wizard w{desk.platform};
    MainForm form{w};
    ASSERT_TRUE(desk.window.create(GetModuleHandleW(nullptr), form));
    // Without a window manager minimising does nothing: the window stands clear of the board.
    SetWindowPos(desk.window.handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    desk.window.showWindow(true);
    InitProc(w);
    w.st.SoundOn = 0;
    w.st.SpeedWait = 3;
    w.st.BoardKind = kBoardPaint;
    CaptureRecord& c = w.st.capture;
    c.ShiHome = PointOf(*r, "canvas");
    c.ShiRBar = PointOf(*r, "red_slider");
    c.ShiGBar = PointOf(*r, "green_slider");
    c.ShiBBar = PointOf(*r, "blue_slider");
    w.st.SortFile = (std::filesystem::temp_directory_path() / "mipro-hand-test.TMP").string();
    std::ofstream(w.st.SortFile, std::ios::binary) << "128064032000000\r\n128064032000001\r\n";
    w.st.PixCount = 2;

    // The run begins by dragging each slider to 0: red from its reference point to the pixel left of it.
    Hand hand({c.ShiRBar.x - 1, c.ShiRBar.y});
    RunDraw(w);
    hand.join();

    EXPECT_NE(hand.question().find(L"描画を続けますか？"), std::wstring::npos)
        << "the run did not ask; it saw: " << std::filesystem::path(hand.question()).string();
    EXPECT_EQ(GetWindowLongW(desk.window.handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    std::filesystem::remove(w.st.SortFile);
}

}  // namespace
}  // namespace mipro::testing
