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

HWND OpenMessageBox() {
    HWND box = FindWindowW(L"#32770", nullptr);
    return box && IsWindowVisible(box) ? box : nullptr;
}

// The program's pointer, with a hand that takes the mouse the moment the program has put the
// pointer on `trigger`, a point it rests on only for a pause of a drag: the hand moves the mouse
// a few pixels at a time before the program's next step, as a hand quick enough would. (A hand
// watching for the pointer from another thread misses so short a rest on a busy machine.)
class PointerWithAHand : public Pointer {
public:
    PointerWithAHand(Pointer& program, ScreenPoint trigger) : program_(program), trigger_(trigger) {}

    void setCursorPos(ScreenPoint p) override {
        program_.setCursorPos(p);
        if (p.x != trigger_.x || p.y != trigger_.y || moved_) return;
        moved_ = true;
        for (int step = 1; step <= kHandSteps; ++step) {
            SetCursorPos(trigger_.x + kHandStepPx * step, trigger_.y + kHandStepPx * step);
            Sleep(kHandStepMs);
        }
    }
    ScreenPoint getCursorPos() override { return program_.getCursorPos(); }
    void leftButtonDown() override { program_.leftButtonDown(); }
    void leftButtonUp() override { program_.leftButtonUp(); }
    void setShape(PointerShape shape) override { program_.setShape(shape); }
    bool moved() const { return moved_; }

private:
    Pointer& program_;
    const ScreenPoint trigger_;
    bool moved_ = false;
};

// The hand then answers the question that comes with No, from beside the program.
class Answerer {
public:
    Answerer()
        : thread_([this] {
              HWND box = nullptr;
              if (!WaitFor([&] { return (box = OpenMessageBox()) != nullptr; }, kWaitLimit)) return;
              question_ = MessageBoxText(box);
              PostMessageW(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
          }) {}
    ~Answerer() { join(); }

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
    // The run begins by dragging each slider to 0: red from its reference point to the pixel left of it.
    const ScreenPoint redSlider = PointOf(*r, "red_slider");
    PointerWithAHand hand(desk.pointer, {redSlider.x - 1, redSlider.y});
    const Platform& p = desk.platform;
    Platform withHand{hand, p.keyboard, p.clock,   p.sound, p.window, p.dialogs, p.files, p.screen, p.version,
                      p.firstBrowseFolder, p.windowSystem};
    Wizard w{withHand};
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
    c.ShiRBar = redSlider;
    c.ShiGBar = PointOf(*r, "green_slider");
    c.ShiBBar = PointOf(*r, "blue_slider");
    w.st.SortFile = (std::filesystem::temp_directory_path() / "mipro-hand-test.TMP").string();
    std::ofstream(w.st.SortFile, std::ios::binary) << "128064032000000\r\n128064032000001\r\n";
    w.st.PixCount = 2;

    Answerer answerer;
    RunDraw(w);
    answerer.join();

    EXPECT_TRUE(hand.moved());
    EXPECT_NE(answerer.question().find(L"描画を続けますか？"), std::wstring::npos)
        << "the run did not ask; it saw: " << std::filesystem::path(answerer.question()).string();
    EXPECT_EQ(GetWindowLongW(desk.window.handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    std::filesystem::remove(w.st.SortFile);
}

}  // namespace
}  // namespace mipro::testing
