// The practice board on the simulated desktop, driven by the simulated pointer as mipro drives it.
#include <gtest/gtest.h>

#include "tests/sim/sim_board.h"

namespace mipro::sim {
namespace {

using board::Arrow;
using board::Channel;
using board::Kind;

class SimBoardTest : public ::testing::Test {
protected:
    SimBoard& Put(Kind kind, ScreenPoint origin = {100, 80}, std::string className = "SunAwtCanvas") {
        board_ = std::make_unique<SimBoard>(desk, SimBoardOptions{kind, origin, {64, 48}, std::move(className)});
        return *board_;
    }
    // A click as mipro makes it on a pixel or an arrow button.
    void Click(ScreenPoint p) {
        desk.pointer.setCursorPos(p);
        desk.pointer.leftButtonDown();
        desk.clock.sleep(20);
        desk.pointer.setCursorPos(p);
        desk.pointer.leftButtonUp();
    }
    int PaintedPixels() const {
        int n = 0;
        const board::Raster& c = board_->canvas();
        for (int y = 0; y < c.height(); ++y)
            for (int x = 0; x < c.width(); ++x) n += c.at(x, y) != board::kWhite;
        return n;
    }

    SimDesktop desk;
    std::unique_ptr<SimBoard> board_;
};

TEST_F(SimBoardTest, WindowCoversTheBoardWithTheCanvasClass) {
    for (const char* cls : {"SunAwtCanvas", "MSAWT_Comp_Class"}) {
        SimBoard& b = Put(Kind::OekakiBBS, {100, 80}, cls);
        const ScreenPoint canvas = b.canvasOrigin();
        EXPECT_EQ(canvas, (ScreenPoint{100 + 140, 80 + 12}));
        for (ScreenPoint p : {canvas, ScreenPoint{canvas.x - 5, canvas.y}, b.arrowPoint(Channel::Blue, Arrow::OnesDown)}) {
            const WindowHandle h = desk.screen.windowFromPoint(p);
            EXPECT_EQ(h, b.window());
            EXPECT_EQ(desk.screen.className(h), cls);
        }
    }
}

TEST_F(SimBoardTest, ArrowClicksSetTheValuesAndCanvasClicksPaintInThatColour) {
    SimBoard& b = Put(Kind::OekakiBBS);
    for (int i = 0; i < 3; ++i) Click(b.arrowPoint(Channel::Red, Arrow::TensUp));
    Click(b.arrowPoint(Channel::Blue, Arrow::OnesUp));
    ASSERT_EQ(b.colour(), board::Rgb(30, 0, 1));
    Click({b.canvasOrigin().x + 10, b.canvasOrigin().y + 20});
    EXPECT_EQ(b.canvas().at(10, 20), board::Rgb(30, 0, 1));
    EXPECT_EQ(PaintedPixels(), 1);
}

TEST_F(SimBoardTest, SliderDragAsMiproSendsItWithoutReleaseBetweenPoints) {
    SimBoard& b = Put(Kind::PaintBBS);
    const ScreenPoint rx = b.sliderZero(Channel::Green);
    Click({rx.x + 25, rx.y});
    ASSERT_EQ(b.value(Channel::Green), 130);
    for (int dx : {48, 49, 50}) {
        desk.pointer.setCursorPos({rx.x + dx, rx.y});
        desk.pointer.leftButtonDown();
    }
    desk.pointer.leftButtonUp();
    EXPECT_EQ(b.value(Channel::Green), 255);
}

TEST_F(SimBoardTest, DragPastTheBoardsEdgeStillReachesTheSlider) {
    // The red slider's zero end lies 126 pixels from the board's left edge: a drag far to the left
    // leaves the board window, and the held button keeps the events coming.
    SimBoard& b = Put(Kind::PaintBBS, {300, 80});
    const ScreenPoint rx = b.sliderZero(Channel::Red);
    Click({rx.x + 30, rx.y});
    desk.pointer.setCursorPos({rx.x + 30, rx.y});
    desk.pointer.leftButtonDown();
    desk.pointer.setCursorPos({b.windowRect().left - 50, rx.y});
    EXPECT_EQ(desk.screen.windowFromPoint(desk.pointer.position()), 0);
    EXPECT_EQ(b.value(Channel::Red), 0);
    desk.pointer.leftButtonUp();
    desk.pointer.setCursorPos({rx.x + 30, rx.y});
    EXPECT_EQ(b.value(Channel::Red), 0) << "released: moves no longer drag";
}

TEST_F(SimBoardTest, PressOnAWindowAboveTheBoardDoesNotReachIt) {
    SimBoard& b = Put(Kind::OekakiBBS);
    const ScreenPoint canvas = b.canvasOrigin();
    desk.screen.addWindow({canvas.x, canvas.y, canvas.x + 10, canvas.y + 10}, "ThunderRT6FormDC");
    Click({canvas.x + 2, canvas.y + 2});
    Click({canvas.x + 12, canvas.y + 2});
    EXPECT_EQ(PaintedPixels(), 1);
    EXPECT_EQ(b.canvas().at(12, 2), board::kBlack);
}

TEST_F(SimBoardTest, PressBesideTheBoardDoesNotReachIt) {
    SimBoard& b = Put(Kind::OekakiBBS);
    Click({b.windowRect().right + 5, b.canvasOrigin().y});
    EXPECT_EQ(b.model().input().count(board::InputKind::ButtonDown), 0);
    EXPECT_EQ(b.model().input().count(board::InputKind::ButtonUp), 0);
}

TEST_F(SimBoardTest, BusyBoardMissesMiprosClicksAndStrayClicksAreRecorded) {
    board_ = std::make_unique<SimBoard>(desk, SimBoardOptions{Kind::OekakiBBS, {100, 80}, {16, 10}, "SunAwtCanvas", {2, 4}});
    const ScreenPoint canvas = board_->canvasOrigin();
    for (int x = 0; x < 6; ++x) Click({canvas.x + x, canvas.y});
    // A picture wider than the canvas: of the clicks beyond its right edge the first three land on
    // the canvas's border and bare board, the next five on the brush's button.
    for (int x = 16; x < 24; ++x) Click({canvas.x + x, canvas.y + 40});
    EXPECT_EQ(board_->model().dropped(), 2);
    for (int x = 0; x < 6; ++x) EXPECT_EQ(board_->canvas().at(x, 0) == board::kWhite, x == 1 || x == 3) << x;
    EXPECT_EQ(board_->model().tool(), board::Tool::Brush);
    EXPECT_EQ(board_->model().presses().count(board::PressPlace::ToolButton), 5);
    EXPECT_EQ(board_->model().presses().strays(), 8);
    EXPECT_EQ(board_->model().presses().strayChanges(), 1);
}

TEST_F(SimBoardTest, RemovedBoardLeavesTheScreen) {
    const ScreenPoint canvas = Put(Kind::OekakiBBS).canvasOrigin();
    board_.reset();
    EXPECT_EQ(desk.screen.windowFromPoint(canvas), 0);
    SimBoard& again = Put(Kind::OekakiBBS);
    Click(canvas);
    EXPECT_EQ(again.model().input().count(board::InputKind::ButtonDown), 1);
}

}  // namespace
}  // namespace mipro::sim
