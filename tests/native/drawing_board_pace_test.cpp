// The board's own pace: the pause's rule, and whole runs into a practice board that misses canvas
// presses coming less than 5 ms after the last one it took. The run must end exact from its own
// read-backs of each group (no repair pass after the run), at a pace near the board's.
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "canvas_run_fixture.h"
#include "drawing/board_pace.h"

namespace mipro::testing {
namespace {

using board::Kind;

const std::string kFirstRepair = " 修正 1 回目";
constexpr int kBusyMs = 5;

// Misses double the pause up to the fast speed's; four groups taken whole in a row halve it; a
// group that could not be read gives the fast speed's pause.
TEST(BoardPaceRule, DoublesOnAMissHalvesAfterCleanGroupsAndNeverExceedsTheFastPause) {
    State st;
    st.SpeedWait = 80;
    BoardPace pace(st);
    EXPECT_EQ(st.SpeedWait, 0);
    enum Step { Miss, Whole, Unseen };
    const std::vector<std::pair<Step, int>> steps = {
        {Miss, 1},  {Miss, 2},  {Miss, 3},  {Miss, 3},   {Whole, 3}, {Whole, 3}, {Whole, 3}, {Whole, 1},
        {Whole, 1}, {Whole, 1}, {Whole, 1}, {Whole, 0},  {Miss, 1},  {Whole, 1}, {Whole, 1}, {Whole, 1},
        {Miss, 2},  {Whole, 2}, {Whole, 2}, {Whole, 2},  {Whole, 1}, {Unseen, 3}, {Whole, 3},
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (steps[i].first == Unseen) {
            pace.unseen();
        } else {
            pace.landed(steps[i].first == Whole);
        }
        EXPECT_EQ(st.SpeedWait, steps[i].second) << "step " << i;
    }
}

TEST(BoardPaceRule, ColourControlsLoseTheirExtraPauseOnlyAtTheBoardsPace) {
    State st;
    for (const auto& [speed, wait, extra, expected] :
         std::vector<std::tuple<int, int, int, int>>{{0, 3, 5, 8}, {1, 15, 8, 23}, {2, 80, 5, 85}, {3, 2, 5, 2}, {3, 0, 8, 0}}) {
        st.SpeedIndex = speed;
        st.SpeedWait = wait;
        EXPECT_EQ(ControlWait(st, extra), expected) << speed;
    }
}

// A picture of a few colours scattered, so that the canvas presses, not the colour changes, set
// the run's time.
Picture FewColours(int w, int h) {
    const std::vector<ColourValue> colours = {0x0000FF, 0x00A000, 0x800000, 0x202020};
    Picture p = RandomPicture(w, h, 7);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.setPoint(x, y, colours[p.point(x, y) % colours.size()]);
    return p;
}

class BoardPaceRunTest : public CanvasRunTest {
protected:
    // A board that drops canvas presses closer than 5 ms, and the speed chosen on page 7.
    void PutBusyBoard(Kind kind, bool lines, int speed) {
        board.reset();
        desk.log.clear();
        w.st.poo = {};
        w.st.shi = {};
        sim::SimBoardOptions options{kind, {40, 30}, {64, 48}};
        options.busyMs = kBusyMs;
        PutUp(options);
        w.st.StrokeRuns = ToBoolean(lines);
        optSPEED_Click(w, speed);
    }
    // Draws the picture, noting when each canvas press was sent; the captions the run showed.
    std::vector<std::string> DrawNoted(const Picture& p) {
        pressTimes.clear();
        const auto before = std::exchange(desk.pointer.onButton, nullptr);
        desk.pointer.onButton = [this, before] {
            if (!board->model().buttonHeld() && OnCanvas(desk.pointer.position())) pressTimes.push_back(desk.clock.nowMs());
            if (before) before();
        };
        std::vector<std::string> captions;
        desk.window.onDoEvents = [&] { captions.push_back(desk.window.windowCaption()); };
        DrawPicture(p);
        desk.pointer.onButton = nullptr;
        desk.window.onDoEvents = nullptr;
        return captions;
    }
    // The time from the first canvas press to the last, over the presses the board took.
    double MsPerPressTaken() const {
        const long taken = static_cast<long>(pressTimes.size()) - board->missedPresses();
        return double(pressTimes.back() - pressTimes.front()) / double(taken - 1);
    }
    static bool Repaired(const std::vector<std::string>& captions) {
        for (const std::string& c : captions)
            if (c.rfind(kFirstRepair, 0) == 0) return true;
        return false;
    }

    std::vector<long long> pressTimes;
};

TEST_F(BoardPaceRunTest, ABoardThatDropsFastPressesEndsExactFromTheGroupsAloneAtNearItsPace) {
    const Picture p = FewColours(48, 32);
    for (Kind kind : {Kind::OekakiBBS, Kind::PaintBBS}) {
        for (bool lines : {false, true}) {
            SCOPED_TRACE(std::string(kind == Kind::OekakiBBS ? "oekakiBBS" : "PaintBBS") + (lines ? ", lines" : ", clicks"));
            PutBusyBoard(kind, lines, kBoardPaceSpeed);
            const std::vector<std::string> captions = DrawNoted(p);
            EXPECT_EQ(Mismatches(p, kind == Kind::PaintBBS), 0);
            EXPECT_GT(board->missedPresses(), 0);
            EXPECT_FALSE(Repaired(captions));
            EXPECT_EQ(desk.window.windowCaption(), " 描画 100% 完了...");
            EXPECT_TRUE(desk.dialogs.shown.empty());
            EXPECT_LE(w.st.SpeedWait, BoardPace::kMostWaitMs);
            ExpectResourcesGivenBack();
            if (!lines) {
                // Each pixel is a press here: the board takes one every 5 ms at best, the fast speed
                // sends one every 9 ms.
                EXPECT_GE(MsPerPressTaken(), kBusyMs);
                EXPECT_LT(MsPerPressTaken(), 7.5);
            }
        }
    }
    PutBusyBoard(Kind::OekakiBBS, false, 0);
    DrawNoted(p);
    EXPECT_EQ(board->missedPresses(), 0);
    EXPECT_GE(MsPerPressTaken(), 9);
}

// While a colour is in use the board takes a press on blue's tens-up arrow that mipro never sent:
// the rest of the group shows in a colour that was never asked for. The group's read-back finds
// it, the colour is brought back to a known one and the pixels drawn again before the run goes on.
TEST_F(BoardPaceRunTest, AColourThatDidNotLandAsSetIsFoundInItsGroupAndDrawnAgain) {
    const Picture p = FewColours(48, 32);
    PutBusyBoard(Kind::OekakiBBS, false, kBoardPaceSpeed);
    bool pressed = false;
    desk.pointer.onButton = [&] {
        if (pressed || board->model().buttonHeld() || pressTimes.size() != 100) return;
        pressed = true;
        BoardTakesAPressOnBluesTensUp();
    };
    const std::vector<std::string> captions = DrawNoted(p);
    ASSERT_TRUE(pressed);
    EXPECT_EQ(Mismatches(p, false), 0);
    EXPECT_FALSE(Repaired(captions));
    EXPECT_TRUE(desk.dialogs.shown.empty());
}

// At the board's own pace a pixel is clicked where the pointer was placed for the hand check, not
// placed again before the press: a hand that takes the mouse in between gets no click where it
// went, is seen after the click, and the pixel is drawn again once the user says go on.
TEST_F(BoardPaceRunTest, AHandBetweenThePlacementAndThePressGetsNoClickAndTheRunAsks) {
    const Picture p = FewColours(48, 32);
    for (Kind kind : {Kind::OekakiBBS, Kind::PaintBBS}) {
        SCOPED_TRACE(kind == Kind::OekakiBBS ? "oekakiBBS" : "PaintBBS");
        PutBusyBoard(kind, false, kBoardPaceSpeed);
        desk.dialogs.shown.clear();
        desk.dialogs.answers = {kYes};
        handMoved = false;
        canvasPressesSeen = 0;
        const ScreenPoint handAt = {board->canvasOrigin().x + 60, board->canvasOrigin().y + 40};
        desk.pointer.onButton = [&] {
            if (handMoved || board->model().buttonHeld() || !OnCanvas(desk.pointer.position())) return;
            if (++canvasPressesSeen < 30) return;
            handMoved = true;
            desk.pointer.userMoves(handAt);
        };
        DrawNoted(p);
        ASSERT_TRUE(handMoved);
        EXPECT_EQ(Questions().size(), 1u);
        EXPECT_EQ(board->canvas().at(60, 40), board::kWhite);
        EXPECT_EQ(Mismatches(p, kind == Kind::PaintBBS), 0);
        EXPECT_EQ(desk.window.windowCaption(), " 描画 100% 完了...");
    }
}

}  // namespace
}  // namespace mipro::testing
