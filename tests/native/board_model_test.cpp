// The practice board's model: arrow buttons, sliders and canvas driven by button and move events.
#include <gtest/gtest.h>

#include <vector>

#include "board/board.h"
#include "board/control_rules.h"

namespace mipro::board {
namespace {

constexpr Size kCanvas{40, 30};

void Click(Board& b, Point p) {
    b.buttonDown(p);
    b.buttonUp(p);
}

int CountNotWhite(const Raster& r) {
    int n = 0;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x) n += r.at(x, y) != kWhite;
    return n;
}

// ---- oekakiBBS arrow buttons ----

void PressArrow(Board& b, Channel c, Arrow a, int times = 1) {
    for (int i = 0; i < times; ++i) Click(b, b.layout().arrowPoint(c, a));
}

// Brings a component from 0 to v with the up arrows.
void RaiseTo(Board& b, Channel c, int v) {
    PressArrow(b, c, Arrow::TensUp, v / 10);
    PressArrow(b, c, Arrow::OnesUp, v % 10);
}

class OekakiBoard : public ::testing::Test {
protected:
    Board board{Kind::OekakiBBS, kCanvas};
};

TEST_F(OekakiBoard, EachArrowMovesOnlyItsOwnComponentByItsStep) {
    for (Channel c : kChannels) {
        Board fresh(Kind::OekakiBBS, kCanvas);
        PressArrow(fresh, c, Arrow::TensUp, 2);
        EXPECT_EQ(fresh.value(c), 20);
        PressArrow(fresh, c, Arrow::OnesUp);
        EXPECT_EQ(fresh.value(c), 21);
        PressArrow(fresh, c, Arrow::TensDown);
        EXPECT_EQ(fresh.value(c), 11);
        PressArrow(fresh, c, Arrow::OnesDown);
        EXPECT_EQ(fresh.value(c), 10);
        for (Channel other : kChannels) {
            if (other == c) continue;
            EXPECT_EQ(fresh.value(other), 0);
        }
    }
}

TEST_F(OekakiBoard, EveryArrowKeepsTheValueWithin0And255) {
    struct Case { int from; Arrow arrow; int expected; };
    const Case cases[] = {
        {250, Arrow::TensUp, 255}, {255, Arrow::TensUp, 255}, {246, Arrow::TensUp, 255}, {245, Arrow::TensUp, 255},
        {255, Arrow::OnesUp, 255}, {254, Arrow::OnesUp, 255}, {5, Arrow::TensDown, 0},   {0, Arrow::TensDown, 0},
        {10, Arrow::TensDown, 0},  {0, Arrow::OnesDown, 0},   {1, Arrow::OnesDown, 0},   {244, Arrow::TensUp, 254},
    };
    for (Channel c : kChannels) {
        for (const Case& k : cases) {
            Board b(Kind::OekakiBBS, kCanvas);
            RaiseTo(b, c, k.from);
            PressArrow(b, c, k.arrow);
            EXPECT_EQ(b.value(c), k.expected) << k.from << " arrow " << static_cast<int>(k.arrow);
        }
    }
}

TEST_F(OekakiBoard, TwentySixTensDownAndElevenOnesDownBringAnyValueToZero) {
    for (int v = 0; v <= 255; ++v) {
        Board b(Kind::OekakiBBS, kCanvas);
        for (Channel c : kChannels) {
            RaiseTo(b, c, v);
            ASSERT_EQ(b.value(c), v);
            PressArrow(b, c, Arrow::TensDown, 26);
            PressArrow(b, c, Arrow::OnesDown, 11);
            EXPECT_EQ(b.value(c), 0) << "from " << v;
        }
    }
}

TEST_F(OekakiBoard, EveryClickPointLiesInItsOwnButtonOnly) {
    const Layout& l = board.layout();
    for (Channel c : kChannels)
        for (Arrow a : kArrows)
            for (Channel c2 : kChannels)
                for (Arrow a2 : kArrows)
                    EXPECT_EQ(l.arrowButton(c2, a2).contains(l.arrowPoint(c, a)), c == c2 && a == a2);
}

TEST_F(OekakiBoard, ArrowActsOnPressAndRepeatedDownsWithoutReleaseAddNothing) {
    const Point p = board.layout().arrowPoint(Channel::Green, Arrow::TensUp);
    board.buttonDown(p);
    EXPECT_EQ(board.value(Channel::Green), 10);
    board.buttonDown(p);
    board.move(p);
    board.buttonUp(p);
    EXPECT_EQ(board.value(Channel::Green), 10);
}

// ---- PaintBBS sliders ----

class PaintBoard : public ::testing::Test {
protected:
    Point Zero(Channel c) const { return board.layout().paintControl(c).zero; }
    Point At(Channel c, int dx) const { return {Zero(c).x + dx, Zero(c).y}; }
    // Sets a slider to v by a plain click, so the drags below start from a known value.
    void Set(Channel c, int v) { Click(board, At(c, v / 5 - 1)); }
    Board board{Kind::PaintBBS, kCanvas};
};

TEST_F(PaintBoard, PressAtEachTrackPixelSetsFiveUnitsPerPixel) {
    for (Channel c : kChannels) {
        for (int k = 0; k <= 48; ++k) {
            Click(board, At(c, k));
            EXPECT_EQ(board.value(c), (k + 1) * 5) << "rx + " << k;
        }
    }
}

TEST_F(PaintBoard, PressOutsideTheTrackDoesNothing) {
    for (Channel c : kChannels) {
        Set(c, 125);
        Click(board, At(c, -1));
        EXPECT_EQ(board.value(c), 125) << "rx - 1";
        Click(board, At(c, 49));
        EXPECT_EQ(board.value(c), 125) << "rx + 49";
        const Rect track = board.layout().paintControl(c).track;
        Click(board, {Zero(c).x + 10, track.top - 1});
        Click(board, {Zero(c).x + 10, track.bottom + 1});
        EXPECT_EQ(board.value(c), 125) << "above and below the track";
    }
}

TEST_F(PaintBoard, HeldMoveMapsEveryColumnAndClampsBeyondTheEnds) {
    const Channel c = Channel::Blue;
    board.buttonDown(At(c, 0));
    const std::pair<int, int> expected[] = {{-40, 0}, {-1, 0}, {0, 5}, {24, 125}, {48, 245},
                                            {49, 250}, {50, 255}, {51, 255}, {400, 255}};
    for (const auto& [dx, v] : expected) {
        board.move(At(c, dx));
        EXPECT_EQ(board.value(c), v) << "rx + " << dx;
    }
    board.move({At(c, 10).x, Zero(c).y + 80});  // far off the row: still dragging
    EXPECT_EQ(board.value(c), 55);
}

// mipro's drag: to the first point, a button-down there, then at every further point a move and
// a fresh button-down, and one button-up at the end.
TEST_F(PaintBoard, DragsAsMiproSendsThemReachZero250And255) {
    struct Case { std::vector<int> points; int expected; };
    const Case cases[] = {{{0, -1}, 0}, {{48, 49}, 250}, {{48, 49, 50}, 255}};
    for (Channel c : kChannels) {
        for (const Case& k : cases) {
            Set(c, 180);
            const Colour before = board.colour();
            for (int dx : k.points) {
                board.move(At(c, dx));
                board.buttonDown(At(c, dx));
            }
            board.buttonUp(At(c, k.points.back()));
            EXPECT_EQ(board.value(c), k.expected);
            const Colour otherChannels = ~(0xFF << (8 * static_cast<int>(c)));
            EXPECT_EQ(board.colour() & otherChannels, before & otherChannels);
        }
    }
}

TEST_F(PaintBoard, MovesAfterReleaseOrWithoutPressLeaveTheSliderAlone) {
    const Channel c = Channel::Red;
    board.move(At(c, 20));
    EXPECT_EQ(board.value(c), 0);
    Click(board, At(c, 20));
    board.move(At(c, 40));
    EXPECT_EQ(board.value(c), 105);
}

TEST_F(PaintBoard, AfterLosingTheHoldMovesNoLongerDragAndTheNextDownIsAPress) {
    const Channel c = Channel::Red;
    board.buttonDown(At(c, 10));
    board.loseHold();
    board.move(At(c, 30));
    EXPECT_EQ(board.value(c), 55);
    board.buttonDown(At(c, -1));  // a fresh press beside the track, not a drag to zero
    EXPECT_EQ(board.value(c), 55);
    EXPECT_EQ(board.input().count(InputKind::ButtonUp), 0);
}

TEST_F(PaintBoard, DragStartedOffTheTrackMovesNoSlider) {
    const Channel c = Channel::Red;
    board.buttonDown(At(c, -1));
    board.move(At(c, 30));
    board.buttonDown(At(c, 30));
    board.buttonUp(At(c, 30));
    EXPECT_EQ(board.value(c), 0);
}

// ---- PaintBBS sliders with Shift held ----

class ShiftPress : public PaintBoard {
protected:
    // A plain drag from the zero point to zero.x + dx: any multiple of 5, 255 at dx 50.
    void DragTo(Channel c, int dx) {
        board.buttonDown(At(c, 0));
        board.move(At(c, dx));
        board.buttonUp(At(c, dx));
    }
    void ShiftClick(Point p) {
        board.keyDown(Key::Shift);
        Click(board, p);
        board.keyUp(Key::Shift);
    }
    int Knob(Channel c) const { return KnobColumn(board.value(c), Zero(c).x) - Zero(c).x; }
};

TEST_F(ShiftPress, TheKnobLiesAtZeroPlusCeilOfAFifthMinusOne) {
    const std::pair<int, int> knobs[] = {{0, -1}, {1, 0}, {4, 0}, {5, 0}, {6, 1}, {126, 25}, {249, 49}, {250, 49}, {251, 50}, {255, 50}};
    for (const auto& [value, dx] : knobs) EXPECT_EQ(KnobColumn(value, 100), 100 + dx) << value;
}

TEST_F(ShiftPress, StepsByOneTowardThePointerAndStaysWithin0And255) {
    struct Case { int from; int dx; int expected; };
    const Case cases[] = {
        {0, -3, 0},     {0, -1, 0},     {0, 0, 1},      {0, 52, 1},     {5, -2, 4},     {5, 0, 5},
        {5, 2, 6},      {125, -3, 124}, {125, 24, 125}, {125, 52, 126}, {250, 47, 249}, {250, 49, 250},
        {250, 51, 251}, {255, 48, 254}, {255, 50, 255}, {255, 52, 255},
    };
    for (Channel c : kChannels) {
        for (const Case& k : cases) {
            DragTo(c, k.from / 5 - 1 + (k.from == 255 ? 1 : 0));
            ASSERT_EQ(board.value(c), k.from);
            ShiftClick(At(c, k.dx));
            EXPECT_EQ(board.value(c), k.expected) << "from " << k.from << " at zero.x + " << k.dx;
        }
    }
}

TEST_F(ShiftPress, ClicksTwoPixelsBesideTheKnobWalkEveryValueUpAndDown) {
    const Channel c = Channel::Green;
    for (int v = 1; v <= 255; ++v) {
        ShiftClick(At(c, Knob(c) + 2));
        ASSERT_EQ(board.value(c), v);
    }
    ShiftClick(At(c, Knob(c) + 2));
    EXPECT_EQ(board.value(c), 255);
    for (int v = 254; v >= 0; --v) {
        ShiftClick(At(c, Knob(c) - 2));
        ASSERT_EQ(board.value(c), v);
    }
    EXPECT_EQ(board.presses().count(PressPlace::ColourControl), 2 * 255 + 1);
    EXPECT_EQ(board.presses().strays(), 0);
}

TEST_F(ShiftPress, TheZoneIsTheTrackRowsFromThreeLeftToFiftyTwoRight) {
    const Channel c = Channel::Blue;
    DragTo(c, 20);
    const Rect track = board.layout().paintControl(c).track;
    const Point outside[] = {At(c, -4), At(c, 53), {Zero(c).x + 10, track.top - 1}, {Zero(c).x + 10, track.bottom + 1}};
    for (Point p : outside) ShiftClick(p);
    EXPECT_EQ(board.value(c), 105);
    EXPECT_EQ(board.presses().count(PressPlace::BareBoard), 4);
    ShiftClick({Zero(c).x - 3, track.top});
    ShiftClick({Zero(c).x + 52, track.bottom});
    EXPECT_EQ(board.value(c), 105) << "one down and one up";
    EXPECT_EQ(board.presses().count(PressPlace::ColourControl), 1 + 2);
}

TEST_F(ShiftPress, TakesNoHoldAndOnlyTheBoardsOwnShiftCounts) {
    const Channel c = Channel::Red;
    DragTo(c, 20);
    board.keyDown(Key::Shift);
    board.buttonDown(At(c, 40));
    board.move(At(c, 45));
    board.buttonDown(At(c, 46));
    board.buttonUp(At(c, 46));
    EXPECT_EQ(board.value(c), 106) << "the press stepped once and the drag moved nothing";
    board.keyUp(Key::Shift);
    Click(board, At(c, 40));
    EXPECT_EQ(board.value(c), 205) << "without Shift a press sets the value";
}

// ---- the canvas, on both kinds ----

class CanvasPress : public ::testing::TestWithParam<Kind> {
protected:
    Point OnCanvas(int x, int y) const { return board.layout().canvasOrigin() + Point{x, y}; }
    Board board{GetParam(), kCanvas};
};

TEST_P(CanvasPress, PaintsExactlyThePixelUnderThePointer) {
    board.buttonDown(OnCanvas(7, 3));
    EXPECT_EQ(board.canvas().at(7, 3), board.colour());
    board.buttonUp(OnCanvas(7, 3));
    EXPECT_EQ(CountNotWhite(board.canvas()), 1);
}

TEST_P(CanvasPress, PaintsInTheCurrentColour) {
    const Layout& l = board.layout();
    if (GetParam() == Kind::OekakiBBS) {
        Click(board, l.arrowPoint(Channel::Red, Arrow::TensUp));
        Click(board, l.arrowPoint(Channel::Blue, Arrow::OnesUp));
    } else {
        Click(board, l.paintControl(Channel::Red).zero + Point{1, 0});
        Click(board, l.paintControl(Channel::Blue).zero);
    }
    const Colour expected = GetParam() == Kind::OekakiBBS ? Rgb(10, 0, 1) : Rgb(10, 0, 5);
    ASSERT_EQ(board.colour(), expected);
    Click(board, OnCanvas(0, 0));
    Click(board, OnCanvas(kCanvas.width - 1, kCanvas.height - 1));
    EXPECT_EQ(board.canvas().at(0, 0), expected);
    EXPECT_EQ(board.canvas().at(kCanvas.width - 1, kCanvas.height - 1), expected);
    EXPECT_EQ(CountNotWhite(board.canvas()), 2);
}

TEST_P(CanvasPress, ReleaseElsewherePaintsNothingMore) {
    board.buttonDown(OnCanvas(2, 2));
    board.buttonUp(OnCanvas(9, 9));
    EXPECT_EQ(CountNotWhite(board.canvas()), 1);
    EXPECT_NE(board.canvas().at(2, 2), kWhite);
}

TEST_P(CanvasPress, DragPaintsALineThroughEachPointItIsReportedAtButNotToTheRelease) {
    board.buttonDown(OnCanvas(2, 2));
    board.move(OnCanvas(5, 5));
    board.buttonDown(OnCanvas(6, 6));  // a second down without a release continues the drag
    board.buttonUp(OnCanvas(9, 9));
    for (int d = 2; d <= 6; ++d) EXPECT_NE(board.canvas().at(d, d), kWhite) << d;
    EXPECT_EQ(CountNotWhite(board.canvas()), 5);
}

TEST_P(CanvasPress, MovesWithoutTheButtonPaintNothing) {
    for (int x = 0; x < kCanvas.width; ++x) board.move(OnCanvas(x, 5));
    EXPECT_EQ(CountNotWhite(board.canvas()), 0);
}

TEST_P(CanvasPress, ClickOfMiproPaintsOnePixelAndTheNextClickAnother) {
    // A pixel click: pointer put on the point, down, put there again, up.
    for (Point p : {OnCanvas(4, 4), OnCanvas(5, 4)}) {
        board.move(p);
        board.buttonDown(p);
        board.move(p);
        board.buttonUp(p);
    }
    EXPECT_EQ(CountNotWhite(board.canvas()), 2);
}

TEST_P(CanvasPress, PressesOffTheCanvasAndControlsChangeNothing) {
    const Rect canvas = board.layout().canvasRect();
    const Point offBoard[] = {{canvas.left - 5, canvas.top},    {canvas.left - 1, canvas.top - 1},
                              {canvas.right + 1, canvas.top},   {canvas.left, canvas.bottom + 1},
                              {2, 2},                           {board.layout().boardSize().width - 1, 1}};
    for (Point p : offBoard) Click(board, p);
    EXPECT_EQ(CountNotWhite(board.canvas()), 0);
    for (Channel c : kChannels) EXPECT_EQ(board.value(c), 0);
}

TEST_P(CanvasPress, DragFromOffTheCanvasOntoItPaintsNothing) {
    const Rect canvas = board.layout().canvasRect();
    board.buttonDown({canvas.left - 5, canvas.top});
    board.move(OnCanvas(3, 3));
    board.buttonUp(OnCanvas(3, 3));
    EXPECT_EQ(CountNotWhite(board.canvas()), 0);
}

INSTANTIATE_TEST_SUITE_P(BothKinds, CanvasPress, ::testing::Values(Kind::OekakiBBS, Kind::PaintBBS));

TEST(BoardInput, CountsEveryEventAndKeepsTheLatest) {
    Board b(Kind::OekakiBBS, kCanvas);
    for (int i = 0; i < 40; ++i) b.move({i, 0});
    b.buttonDown({1, 1});
    b.buttonDown({2, 2});
    b.buttonUp({3, 3});
    EXPECT_EQ(b.input().count(InputKind::Move), 40);
    EXPECT_EQ(b.input().count(InputKind::ButtonDown), 2);
    EXPECT_EQ(b.input().count(InputKind::ButtonUp), 1);
    ASSERT_EQ(b.input().latest().size(), InputRecord::kKept);
    EXPECT_EQ(b.input().latest().back(), (InputEvent{InputKind::ButtonUp, {3, 3}}));
    EXPECT_EQ(b.input().latest().front(), (InputEvent{InputKind::Move, {11, 0}}));
}

TEST(BoardSize, CanvasUpTo600SquareFitsAndStartsWhite) {
    Board b(Kind::PaintBBS, {600, 600});
    EXPECT_EQ(b.canvas().width(), 600);
    EXPECT_EQ(b.canvas().height(), 600);
    EXPECT_EQ(CountNotWhite(b.canvas()), 0);
    const Rect canvas = b.layout().canvasRect();
    EXPECT_LT(canvas.right, b.layout().boardSize().width);
    EXPECT_LT(canvas.bottom, b.layout().boardSize().height);
    EXPECT_GE(canvas.left - 5, 0) << "the start point left of the canvas lies on the board";
}

}  // namespace
}  // namespace mipro::board
