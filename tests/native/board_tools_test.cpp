// The practice board as the real boards are: a pen that draws lines between the points of a drag
// (lagging behind with a stabiliser), tool buttons and a palette around the canvas that a stray
// press changes and the board records, canvases of any size, and a busy board that misses presses
// by its pattern or its pace.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "board/board.h"
#include "board/report.h"
#include "board/shapes.h"
#include "board/tools.h"

namespace mipro::board {
namespace {

constexpr Size kCanvas{40, 30};

void Click(Board& b, Point p) {
    b.buttonDown(p);
    b.buttonUp(p);
}

Point OnCanvas(const Board& b, int x, int y) { return b.layout().canvasOrigin() + Point{x, y}; }


std::vector<Point> Painted(const Raster& r) {
    std::vector<Point> painted;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x)
            if (r.at(x, y) != kWhite) painted.push_back({x, y});
    return painted;
}

// ---- lines ----

TEST(LinePoints, GoesFromEndToEndOneNeighbourAtATimeInEveryDirection) {
    for (int tx = -7; tx <= 7; ++tx) {
        for (int ty = -7; ty <= 7; ++ty) {
            const Point from{3, -2};
            const Point to{3 + tx, -2 + ty};
            const std::vector<Point> line = LinePoints(from, to);
            ASSERT_EQ(line.front(), from);
            ASSERT_EQ(line.back(), to);
            // One point per step along the longer axis: no gaps, no doubled pixels.
            EXPECT_EQ(line.size(), static_cast<std::size_t>(std::max(std::abs(tx), std::abs(ty)) + 1)) << tx << "," << ty;
            for (std::size_t i = 1; i < line.size(); ++i) {
                EXPECT_LE(std::abs(line[i].x - line[i - 1].x), 1);
                EXPECT_LE(std::abs(line[i].y - line[i - 1].y), 1);
            }
        }
    }
}

TEST(LinePoints, FollowsTheIdealLineWithinHalfAPixel) {
    struct Case { Point from, to; std::vector<Point> expected; };
    const Case cases[] = {
        {{0, 0}, {0, 0}, {{0, 0}}},
        {{0, 0}, {5, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}}},
        {{0, 0}, {2, 5}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}, {2, 5}}},
        {{4, 4}, {0, 0}, {{4, 4}, {3, 3}, {2, 2}, {1, 1}, {0, 0}}},
        {{0, 3}, {3, 0}, {{0, 3}, {1, 2}, {2, 1}, {3, 0}}},
        {{2, 0}, {-2, 0}, {{2, 0}, {1, 0}, {0, 0}, {-1, 0}, {-2, 0}}},
    };
    for (const Case& c : cases) EXPECT_EQ(LinePoints(c.from, c.to), c.expected) << c.to.x << "," << c.to.y;
}

class PenDrag : public ::testing::TestWithParam<Kind> {
protected:
    Board board{GetParam(), kCanvas};
};

TEST_P(PenDrag, FastDragWithOneMovePaintsTheWholeRowBetween) {
    board.buttonDown(OnCanvas(board, 2, 5));
    board.move(OnCanvas(board, 33, 5));
    board.buttonUp(OnCanvas(board, 33, 5));
    const std::vector<Point> painted = Painted(board.canvas());
    ASSERT_EQ(painted.size(), 32u);
    EXPECT_EQ(painted.front(), (Point{2, 5}));
    EXPECT_EQ(painted.back(), (Point{33, 5}));
}

TEST_P(PenDrag, DiagonalAndSteepDragsLeaveNoGaps) {
    board.buttonDown(OnCanvas(board, 0, 0));
    board.move(OnCanvas(board, 20, 20));
    board.move(OnCanvas(board, 23, 29));
    board.buttonUp(OnCanvas(board, 23, 29));
    for (int d = 0; d <= 20; ++d) EXPECT_NE(board.canvas().at(d, d), kWhite) << d;
    // Each row from 20 to 29 holds exactly one pixel of the steep part.
    for (int y = 21; y <= 29; ++y) {
        int inRow = 0;
        for (int x = 0; x < kCanvas.width; ++x) inRow += board.canvas().at(x, y) != kWhite;
        EXPECT_EQ(inRow, 1) << "row " << y;
    }
    EXPECT_EQ(Painted(board.canvas()).size(), 21u + 9u);
}

TEST_P(PenDrag, DragOutOfTheCanvasAndBackPaintsOnlyTheCanvasPart) {
    const Rect canvas = board.layout().canvasRect();
    board.buttonDown(OnCanvas(board, 5, 10));
    board.move({canvas.left - 20, canvas.top + 10});  // 20 pixels left of the canvas, same row
    board.move(OnCanvas(board, 5, 12));
    board.buttonUp(OnCanvas(board, 5, 12));
    for (int x = 0; x <= 5; ++x) EXPECT_NE(board.canvas().at(x, 10), kWhite) << x;
    EXPECT_NE(board.canvas().at(5, 12), kWhite);
    EXPECT_EQ(board.presses().strays(), 0) << "a drag is no press";
}

TEST_P(PenDrag, MiprosLineForARunPaintsExactlyTheRun) {
    // Press on the first pixel, move to the last, release there.
    board.move(OnCanvas(board, 7, 3));
    board.buttonDown(OnCanvas(board, 7, 3));
    board.move(OnCanvas(board, 19, 3));
    board.buttonUp(OnCanvas(board, 19, 3));
    std::vector<Point> expected;
    for (int x = 7; x <= 19; ++x) expected.push_back({x, 3});
    EXPECT_EQ(Painted(board.canvas()), expected);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, PenDrag, ::testing::Values(Kind::OekakiBBS, Kind::PaintBBS, Kind::ColourCode));

// ---- the stabiliser ----

Board Stabilised(int lag, Kind kind = Kind::PaintBBS) {
    BoardSetup setup;
    setup.kind = kind;
    setup.canvas = kCanvas;
    setup.stabiliser = lag;
    return Board(setup);
}

std::vector<Point> Row(int y, int fromX, int toX) {
    std::vector<Point> row;
    for (int x = fromX; x <= toX; ++x) row.push_back({x, y});
    return row;
}

TEST(Stabiliser, TheLineEndsLagPixelsShortOfTheDragsLastPoint) {
    struct Case { const char* what; int lag; std::vector<Point> drag; std::vector<Point> painted; };
    const Case cases[] = {
        {"no lag: the whole line", 0, {{2, 3}, {20, 3}}, Row(3, 2, 20)},
        {"five short", 5, {{2, 3}, {20, 3}}, Row(3, 2, 15)},
        {"over several moves", 5, {{2, 3}, {6, 3}, {9, 3}, {20, 3}}, Row(3, 2, 15)},
        {"one short", 1, {{2, 3}, {3, 3}, {4, 3}}, Row(3, 2, 3)},
        {"shorter than the lag: the first point", 25, {{2, 3}, {20, 3}}, {{2, 3}}},
        {"as long as the lag: the first point", 18, {{2, 3}, {20, 3}}, {{2, 3}}},
        {"a click", 10, {{7, 7}}, {{7, 7}}},
        {"along a diagonal", 2, {{0, 0}, {6, 6}}, {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}},
        {"around a corner", 3, {{0, 9}, {4, 9}, {4, 13}}, {{0, 9}, {1, 9}, {2, 9}, {3, 9}, {4, 9}, {4, 10}}},
    };
    for (const Case& c : cases) {
        Board b = Stabilised(c.lag);
        b.buttonDown(OnCanvas(b, c.drag[0].x, c.drag[0].y));
        for (std::size_t i = 1; i < c.drag.size(); ++i) b.move(OnCanvas(b, c.drag[i].x, c.drag[i].y));
        b.buttonUp(OnCanvas(b, c.drag.back().x, c.drag.back().y));
        std::vector<Point> expected = c.painted;
        std::sort(expected.begin(), expected.end(), [](Point a, Point b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
        EXPECT_EQ(Painted(b.canvas()), expected) << c.what;
    }
}

TEST(Stabiliser, MiprosDragAndTheNextDragStartAfresh) {
    Board b = Stabilised(4, Kind::ColourCode);
    for (int x = 0; x <= 10; ++x) {  // mipro's drag: a button-down at every point
        b.move(OnCanvas(b, x, 2));
        b.buttonDown(OnCanvas(b, x, 2));
    }
    b.buttonUp(OnCanvas(b, 10, 2));
    b.buttonDown(OnCanvas(b, 20, 5));
    b.move(OnCanvas(b, 30, 5));
    b.buttonUp(OnCanvas(b, 30, 5));
    std::vector<Point> expected = Row(2, 0, 6);
    for (Point p : Row(5, 20, 26)) expected.push_back(p);
    EXPECT_EQ(Painted(b.canvas()), expected) << "nothing of the first drag's lag is painted later";
}

// ---- tools and palette ----

TEST(Tools, EachToolPaintsItsOwnStampAlongTheDrag) {
    struct Case { Tool tool; int paintedPerPoint; };
    for (const Case& c : {Case{Tool::Pen, 1}, Case{Tool::Brush, 9}}) {
        Board b(Kind::OekakiBBS, kCanvas);
        Click(b, Centre(b.layout().toolButton(c.tool)));
        ASSERT_EQ(b.tool(), c.tool);
        Click(b, OnCanvas(b, 10, 10));
        EXPECT_EQ(Painted(b.canvas()).size(), static_cast<std::size_t>(c.paintedPerPoint)) << ToolName(c.tool);
        EXPECT_EQ(b.canvas().at(10, 10), kBlack);
    }
}

TEST(Tools, EraserWhitensWhatThePenPainted) {
    Board b(Kind::PaintBBS, kCanvas);
    b.buttonDown(OnCanvas(b, 0, 4));
    b.move(OnCanvas(b, 20, 4));
    b.buttonUp(OnCanvas(b, 20, 4));
    Click(b, Centre(b.layout().toolButton(Tool::Eraser)));
    b.buttonDown(OnCanvas(b, 5, 4));
    b.move(OnCanvas(b, 15, 4));
    b.buttonUp(OnCanvas(b, 15, 4));
    for (int x = 0; x <= 20; ++x) EXPECT_EQ(b.canvas().at(x, 4) == kWhite, x >= 4 && x <= 16) << x;
}

TEST(Palette, EverySwatchMakesItsColourTheCurrentOne) {
    for (Kind kind : {Kind::OekakiBBS, Kind::PaintBBS}) {
        Board b(kind, kCanvas);
        for (int i = 0; i < kPaletteColours; ++i) {
            Click(b, Centre(b.layout().swatch(i)));
            EXPECT_EQ(b.colour(), PaletteColour(i)) << i;
            Click(b, OnCanvas(b, i, 0));
            EXPECT_EQ(b.canvas().at(i, 0), PaletteColour(i));
        }
    }
}

// ---- where presses land and what the board records of them ----

struct Landing {
    const char* what;
    Point at;
    PressPlace place;
};

std::vector<Landing> Landings(const Board& b) {
    const Layout& l = b.layout();
    const Rect canvas = l.canvasRect();
    const Point control = l.kind() == Kind::OekakiBBS ? l.arrowPoint(Channel::Red, Arrow::TensUp)
                                                      : l.paintControl(Channel::Green).zero + Point{20, 0};
    return {
        {"canvas corner", {canvas.right, canvas.bottom}, PressPlace::Canvas},
        {"colour control", control, PressPlace::ColourControl},
        {"start point left of the canvas", {canvas.left - 5, canvas.top}, PressPlace::BareBoard},
        {"canvas border", {canvas.right + 1, canvas.top}, PressPlace::BareBoard},
        {"just before the tools", {canvas.right + 3, canvas.top}, PressPlace::BareBoard},
        {"brush button's corner", {canvas.right + 4, l.toolButton(Tool::Brush).top}, PressPlace::ToolButton},
        {"just below the canvas", {canvas.left, canvas.bottom + 3}, PressPlace::BareBoard},
        {"first swatch", {canvas.left, l.swatch(0).top}, PressPlace::Palette},
        {"last swatch", Centre(l.swatch(kPaletteColours - 1)), PressPlace::Palette},
    };
}

TEST(PressRecord, EveryPressIsCountedWhereItLanded) {
    for (Kind kind : {Kind::OekakiBBS, Kind::PaintBBS}) {
        for (const Landing& landing : Landings(Board(kind, kCanvas))) {
            Board b(kind, kCanvas);
            Click(b, landing.at);
            for (int place = 0; place < kPressPlaces; ++place)
                EXPECT_EQ(b.presses().count(static_cast<PressPlace>(place)), place == static_cast<int>(landing.place) ? 1 : 0)
                    << landing.what << ", place " << place;
        }
    }
}

TEST(PressRecord, StrayPressesAreKeptWithWhetherTheyChangedToolOrColour) {
    Board b(Kind::OekakiBBS, kCanvas);
    const Layout& l = b.layout();
    Click(b, OnCanvas(b, 1, 1));
    Click(b, {l.canvasRect().left - 5, l.canvasRect().top});  // bare board: changes nothing
    Click(b, Centre(l.toolButton(Tool::Pen)));                // the pen already: no change
    Click(b, Centre(l.toolButton(Tool::Eraser)));             // a change of tool
    Click(b, Centre(l.swatch(0)));                            // black already: no change
    Click(b, Centre(l.swatch(3)));                            // a change of colour
    Click(b, l.arrowPoint(Channel::Red, Arrow::OnesDown));    // a colour control: not stray
    EXPECT_EQ(b.presses().strays(), 5);
    EXPECT_EQ(b.presses().strayChanges(), 2);
    const std::vector<StrayPress> expected = {
        {PressPlace::BareBoard, {l.canvasRect().left - 5, l.canvasRect().top}, false},
        {PressPlace::ToolButton, Centre(l.toolButton(Tool::Pen)), false},
        {PressPlace::ToolButton, Centre(l.toolButton(Tool::Eraser)), true},
        {PressPlace::Palette, Centre(l.swatch(0)), false},
        {PressPlace::Palette, Centre(l.swatch(3)), true},
    };
    EXPECT_EQ(b.presses().firstStrays(), expected);
}

TEST(PressRecord, KeepsTheFirstStrayPressesOnly) {
    Board b(Kind::PaintBBS, kCanvas);
    for (int i = 0; i < 50; ++i) Click(b, {2, 150 + i % 10});
    EXPECT_EQ(b.presses().strays(), 50);
    ASSERT_EQ(b.presses().firstStrays().size(), PressRecord::kKept);
    EXPECT_EQ(b.presses().firstStrays().back().at, (Point{2, 150 + (PressRecord::kKept - 1) % 10}));
}

TEST(PressRecord, ButtonDownsThatGoOnWithADragAreNoPresses) {
    Board b(Kind::OekakiBBS, kCanvas);
    b.buttonDown(OnCanvas(b, 1, 1));
    b.buttonDown(Centre(b.layout().toolButton(Tool::Brush)));  // held: the drag goes on over the button
    b.buttonUp(Centre(b.layout().toolButton(Tool::Brush)));
    EXPECT_EQ(b.tool(), Tool::Pen);
    EXPECT_EQ(b.presses().strays(), 0);
    EXPECT_EQ(b.presses().count(PressPlace::Canvas), 1);
}

// ---- canvas sizes ----

bool Overlap(Rect a, Rect b) { return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom; }

bool Inside(Rect inner, Size board) { return inner.left >= 0 && inner.top >= 0 && inner.right < board.width && inner.bottom < board.height; }

TEST(CanvasSizes, ToolsAndPaletteFitBesideEveryCanvasWithoutTouchingTheControls) {
    const Size sizes[] = {{1, 1}, {24, 16}, {50, 300}, {300, 50}, {300, 300}, {600, 600}, {2000, 2000}};
    for (Kind kind : {Kind::OekakiBBS, Kind::PaintBBS, Kind::ColourCode}) {
        for (const Size size : sizes) {
            const Layout l(kind, size, CodeOpener::Button);
            const Rect canvas = l.canvasRect();
            const Rect border{canvas.left - 1, canvas.top - 1, canvas.right + 1, canvas.bottom + 1};
            std::vector<Rect> parts;
            for (Tool t : kTools) parts.push_back(l.toolButton(t));
            for (int i = 0; i < kPaletteColours; ++i) parts.push_back(l.swatch(i));
            if (kind == Kind::ColourCode) {
                parts.insert(parts.end(), {l.codeOpener(), l.codeField(), l.colourSwatch()});
            } else {
                for (Channel c : kChannels)
                    parts.push_back(kind == Kind::OekakiBBS ? l.oekakiControl(c).bar : l.paintControl(c).bracket);
            }
            const std::string name = std::to_string(size.width) + "x" + std::to_string(size.height);
            EXPECT_TRUE(Inside(canvas, l.boardSize())) << name;
            for (std::size_t i = 0; i < parts.size(); ++i) {
                EXPECT_TRUE(Inside(parts[i], l.boardSize())) << name << " part " << i;
                EXPECT_FALSE(Overlap(parts[i], border)) << name << " part " << i;
                for (std::size_t j = i + 1; j < parts.size(); ++j) EXPECT_FALSE(Overlap(parts[i], parts[j])) << name << " " << i << " " << j;
            }
            // What lies right of and below the canvas, a few pixels away, is a tool and a swatch.
            EXPECT_EQ(l.toolButton(Tool::Pen).left, canvas.right + 4) << name;
            EXPECT_EQ(l.toolButton(Tool::Pen).top, canvas.top) << name;
            EXPECT_EQ(l.swatch(0).left, canvas.left) << name;
            EXPECT_GE(l.swatch(0).top, canvas.bottom + 4) << name;
        }
    }
}

TEST(CanvasSizes, ColourControlsStayWhereTheyAreForEveryCanvas) {
    const Layout small(Kind::OekakiBBS, {24, 16});
    const Layout large(Kind::OekakiBBS, {600, 480});
    for (Channel c : kChannels) EXPECT_EQ(small.guideCorner(c), large.guideCorner(c));
    EXPECT_EQ(small.canvasOrigin(), large.canvasOrigin());
}

// ---- the busy board ----

TEST(BusyBoard, MissesEveryNthOfTheFirstKCanvasPresses) {
    struct Case { BusyPattern busy; std::vector<int> missed; };
    const Case cases[] = {
        {{0, 0}, {}},
        {{3, 7}, {3, 6}},
        {{1, 4}, {1, 2, 3, 4}},
        {{5, 100}, {5, 10, 15, 20}},
        {{2, 0}, {}},
    };
    for (const Case& c : cases) {
        Board b(Kind::OekakiBBS, kCanvas, c.busy);
        for (int press = 1; press <= 20; ++press) {
            Click(b, b.layout().arrowPoint(Channel::Red, Arrow::OnesUp));  // control presses do not count
            Click(b, OnCanvas(b, press, 2));
        }
        std::vector<int> missed;
        for (int press = 1; press <= 20; ++press)
            if (b.canvas().at(press, 2) == kWhite) missed.push_back(press);
        EXPECT_EQ(missed, c.missed) << c.busy.every << "," << c.busy.first;
        EXPECT_EQ(b.dropped(), static_cast<long>(c.missed.size()));
        EXPECT_EQ(b.value(Channel::Red), 20);
    }
}

TEST(BusyBoard, AMissedPressPaintsNothingForItsWholeDrag) {
    Board b(Kind::PaintBBS, kCanvas, {1, 1});
    b.buttonDown(OnCanvas(b, 1, 1));
    b.move(OnCanvas(b, 10, 1));
    b.buttonDown(OnCanvas(b, 12, 1));
    b.buttonUp(OnCanvas(b, 12, 1));
    EXPECT_TRUE(Painted(b.canvas()).empty());
    b.buttonDown(OnCanvas(b, 1, 3));
    b.move(OnCanvas(b, 4, 3));
    b.buttonUp(OnCanvas(b, 4, 3));
    EXPECT_EQ(Painted(b.canvas()).size(), 4u);
    EXPECT_EQ(b.input().count(InputKind::ButtonDown), 3) << "every button-down is still seen";
}

// A board that cannot keep up with the pace: a canvas press less than busyMs after the last one
// it took is missed.
TEST(BusyPace, MissesCanvasPressesThatComeTooSoonAfterTheLastOneTaken) {
    struct Case { int busyMs; std::vector<Millis> times; std::vector<int> missed; };
    const Case cases[] = {
        {0, {0, 0, 1, 1}, {}},
        {100, {0, 50, 100, 120, 250, 260}, {2, 4, 6}},
        {100, {1000, 1099, 1198, 1297}, {2, 4}},
        {30, {5, 35, 64, 95, 96}, {3, 5}},
    };
    for (const Case& c : cases) {
        BoardSetup setup;
        setup.canvas = kCanvas;
        setup.busyMs = c.busyMs;
        Board b(setup);
        for (std::size_t i = 0; i < c.times.size(); ++i) {
            const Point p = OnCanvas(b, static_cast<int>(i) + 1, 2);
            b.move(p, c.times[i]);
            b.buttonDown(p, c.times[i]);
            b.buttonUp(p, c.times[i]);
            // Control presses between are no canvas presses.
            Click(b, b.layout().arrowPoint(Channel::Red, Arrow::OnesUp));
        }
        std::vector<int> missed;
        for (std::size_t i = 0; i < c.times.size(); ++i)
            if (b.canvas().at(static_cast<int>(i) + 1, 2) == kWhite) missed.push_back(static_cast<int>(i) + 1);
        EXPECT_EQ(missed, c.missed) << c.busyMs;
        EXPECT_EQ(b.droppedByPace(), static_cast<long>(c.missed.size()));
        EXPECT_EQ(b.droppedByPattern(), 0);
    }
}

TEST(BusyPace, EventsWithoutATimeKeepTheTimeBeforeAndTheClockNeverGoesBack) {
    BoardSetup setup;
    setup.canvas = kCanvas;
    setup.busyMs = 50;
    setup.busy = {3, 3};
    Board b(setup);
    Click(b, OnCanvas(b, 1, 1));
    Click(b, OnCanvas(b, 2, 1));  // no time: still at 0, too soon
    b.move(OnCanvas(b, 3, 1), 200);
    Click(b, OnCanvas(b, 3, 1));  // the third: missed by the pattern
    b.buttonDown(OnCanvas(b, 4, 1), 100);  // an earlier time counts as 200
    b.buttonUp(OnCanvas(b, 4, 1));
    b.buttonDown(OnCanvas(b, 5, 1), 249);
    b.buttonUp(OnCanvas(b, 5, 1));
    const std::vector<Point> expected = {{1, 1}, {4, 1}};
    EXPECT_EQ(Painted(b.canvas()), expected);
    EXPECT_EQ(b.droppedByPace(), 2);
    EXPECT_EQ(b.droppedByPattern(), 1);
    EXPECT_EQ(b.dropped(), 3);
}

// ---- the report ----

TEST(ToolReport, GivesToolsPaletteStrayPressesAndTheBusyPattern) {
    Board b(Kind::OekakiBBS, {64, 48}, {4, 10});
    const Layout& l = b.layout();
    Click(b, Centre(l.toolButton(Tool::Brush)));
    Click(b, {l.canvasRect().left - 5, l.canvasRect().top});
    for (int i = 0; i < 4; ++i) Click(b, OnCanvas(b, i, 0));
    const Point origin{300, 200};
    const Report r = ParseReport(ReportText(b, origin));
    const Point brush = origin + Centre(l.toolButton(Tool::Brush));
    EXPECT_EQ(r.find("tool"), std::vector<long>{1});
    EXPECT_EQ(r.find("brush_tool"), (std::vector<long>{brush.x, brush.y}));
    const Rect first = l.swatch(0);
    EXPECT_EQ(r.find("palette"), (std::vector<long>{origin.x + first.left, origin.y + first.top,
                                                    l.swatch(kPaletteColours - 1).right - first.left + 1, 16}));
    EXPECT_EQ(r.find("presses"), (std::vector<long>{4, 0, 1, 0, 1}));
    EXPECT_EQ(r.find("stray"), (std::vector<long>{2, 1}));
    const auto strays = r.all("stray_press");
    ASSERT_EQ(strays.size(), 2u);
    EXPECT_EQ(strays[0].numbers, (std::vector<long>{2, brush.x, brush.y, 1}));
    EXPECT_EQ(strays[1].numbers, (std::vector<long>{4, origin.x + l.canvasRect().left - 5, origin.y + l.canvasRect().top, 0}));
    EXPECT_EQ(r.find("busy"), (std::vector<long>{4, 10, 1}));
}

}  // namespace
}  // namespace mipro::board
