// The parts of the check, each by itself: the pixels that differ from what the canvas should
// show, when a read is too wrong to mend from, the order of the repairs, the strokes a list is
// drawn in, and the colours each board can show.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "drawing/board_colour.h"
#include "drawing/canvas_check.h"
#include "drawing/strokes.h"
#include "wizard/state.h"

namespace mipro {

bool operator==(const CanvasFault& a, const CanvasFault& b) {
    return std::tie(a.x, a.y, a.want, a.listed) == std::tie(b.x, b.y, b.want, b.listed);
}
void PrintTo(const CanvasFault& f, std::ostream* os) {
    *os << "(" << f.x << ", " << f.y << ") want " << std::hex << f.want << std::dec << (f.listed ? " listed" : "");
}

namespace {

constexpr ColourValue kWhite = 0xFFFFFF, kBlack = 0x000000;

ColourValue Rgb(int r, int g, int b) { return r | g << 8 | b << 16; }

PixelLine Line(const std::string& fifteen) { return ParsePixelLine(fifteen); }

// --- What differs ---

TEST(CanvasCheck, TheFaultsAreEveryPixelNotShowingWhatItShould) {
    struct Case {
        std::string name;
        int boardKind;
        std::vector<std::string> lines;  // the run's list
        std::vector<std::tuple<int, int, ColourValue>> seen;  // pixels of the read other than white
        std::vector<CanvasFault> faults;
    };
    // Before the run: white but for an earlier drawing at (3, 2).
    const ColourValue earlier = Rgb(17, 34, 51);
    const std::vector<Case> cases = {
        {"drawn as listed, the rest as before", kBoardOekaki, {"255000000000001", "000000000001002"},
         {{1, 0, Rgb(255, 0, 0)}, {2, 1, kBlack}, {3, 2, earlier}}, {}},
        {"a listed pixel missed, a stray one, the earlier drawing gone", kBoardOekaki,
         {"255000000000001", "000000000001002"},
         {{1, 0, Rgb(255, 0, 0)}, {0, 0, kBlack}},
         {{0, 0, kWhite, false}, {2, 1, kBlack, true}, {3, 2, earlier, false}}},
        {"PaintBBS shows a listed colour to its sliders", kBoardPaint, {"123045067000000"},
         {{0, 0, Rgb(123, 45, 67)}, {3, 2, earlier}}, {{0, 0, Rgb(125, 45, 65), true}}},
        {"oekakiBBS shows it as listed", kBoardOekaki, {"123045067000000"},
         {{0, 0, Rgb(125, 45, 65)}, {3, 2, earlier}}, {{0, 0, Rgb(123, 45, 67), true}}},
        {"a line outside the canvas is not looked for", kBoardOekaki, {"000000000005001", "000000000000009"},
         {{3, 2, earlier}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Picture before(4, 3);
        before.setPoint(3, 2, earlier);
        CanvasCheck check(before, ColourRule{c.boardKind});
        for (const std::string& l : c.lines) check.expect(Line(l));
        Picture now(4, 3);
        for (const auto& [x, y, colour] : c.seen) now.setPoint(x, y, colour);
        EXPECT_EQ(check.faults(now), c.faults);
    }
}

TEST(CanvasCheck, AReadSmallerThanTheCanvasLeavesWhatItMissesWrong) {
    CanvasCheck check(Picture(3, 2), ColourRule{kBoardOekaki});
    const std::vector<CanvasFault> faults = check.faults(Picture(2, 2));
    EXPECT_EQ(faults, (std::vector<CanvasFault>{{2, 0, kWhite, false}, {2, 1, kWhite, false}}));
}

// --- A read too wrong to mend from ---

TEST(CanvasCheck, MoreThanHalfWrongOfTheListedOrOfTheWholeCanvasIsAMisread) {
    struct Case {
        int listed, wrongListed, wrongOthers;
        bool misread;
    };
    // A 4 x 4 canvas, 16 pixels.
    const std::vector<Case> cases = {
        {4, 0, 0, false}, {4, 2, 0, false}, {4, 3, 0, true},   {4, 4, 0, true},  {1, 1, 0, true},
        {0, 0, 8, false}, {0, 0, 9, true},  {4, 0, 8, false},  {4, 0, 9, true},  {4, 2, 6, false},
        {4, 2, 7, true},  {8, 4, 4, false}, {16, 8, 0, false}, {16, 9, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.wrongListed) + " of " + std::to_string(c.listed) + " listed wrong, " +
                     std::to_string(c.wrongOthers) + " others");
        CanvasCheck check(Picture(4, 4), ColourRule{kBoardOekaki});
        Picture now(4, 4);
        // Listed pixels from the top-left, black; the others wrong from the bottom-right.
        for (int i = 0; i < c.listed; ++i) {
            check.expect(LineOf(kBlack, i % 4, i / 4));
            now.setPoint(i % 4, i / 4, i < c.wrongListed ? kWhite : kBlack);
        }
        for (int i = 0; i < c.wrongOthers; ++i) now.setPoint(3 - i % 4, 3 - i / 4, kBlack);
        EXPECT_EQ(check.mostlyWrong(check.faults(now)), c.misread);
    }
}

// --- The repairs ---

TEST(CanvasCheck, RepairsComeInTheListsOrderLeavingColoursTheBoardCannotSet) {
    // PaintBBS: 1, 2, 3 is no slider colour.
    Picture before(4, 2);
    before.setPoint(0, 1, Rgb(1, 2, 3));
    CanvasCheck check(before, ColourRule{kBoardPaint});
    for (const char* l : {"000000255000002", "200000000000003", "200000000001001"}) check.expect(Line(l));
    Picture now(4, 2);  // every listed pixel missed, the earlier drawing gone, a stray pixel at (0, 0)
    now.setPoint(0, 0, kBlack);
    const std::vector<PixelLine> repairs = check.repairList(check.faults(now));
    std::vector<std::tuple<std::string, int, int>> got;
    for (const PixelLine& px : repairs) got.emplace_back(px.red + px.green + px.blue, px.x, px.y);
    EXPECT_EQ(got, (std::vector<std::tuple<std::string, int, int>>{
                       {"000000255", 2, 0}, {"200000000", 3, 0}, {"200000000", 1, 1}, {"255255255", 0, 0}}));
}

// --- Strokes ---

struct StrokeSeen {
    int y, x, lastX, lines;
    friend bool operator==(const StrokeSeen&, const StrokeSeen&) = default;
};
void PrintTo(const StrokeSeen& s, std::ostream* os) {
    *os << "row " << s.y << " " << s.x << ".." << s.lastX << " (" << s.lines << " lines)";
}

TEST(StrokeReader, RunsJoinOnlyNeighboursOfOneColourOnOneRowInsideTheCanvas) {
    struct Case {
        std::string name;
        bool joinRuns;
        std::vector<std::string> lines;
        std::vector<StrokeSeen> strokes;
    };
    // The canvas is 4 pixels wide.
    const std::vector<Case> cases = {
        {"clicks: one stroke a pixel", false, {"255000000000000", "255000000000001"}, {{0, 0, 0, 1}, {0, 1, 1, 1}}},
        {"a run of three", true, {"255000000000000", "255000000000001", "255000000000002"}, {{0, 0, 2, 3}}},
        {"a gap ends a run", true, {"255000000000000", "255000000000001", "255000000000003"},
         {{0, 0, 1, 2}, {0, 3, 3, 1}}},
        {"another colour ends a run", true, {"255000000000000", "000000255000001"}, {{0, 0, 0, 1}, {0, 1, 1, 1}}},
        {"another row ends a run", true, {"255000000000003", "255000000001000"}, {{0, 3, 3, 1}, {1, 0, 0, 1}}},
        {"a run stops at the canvas's right edge", true,
         {"255000000000002", "255000000000003", "255000000000004", "255000000000005"}, {{0, 2, 3, 2}}},
        {"pixels outside count as read with the next stroke", true,
         {"000000000000007", "255000000001000", "255000000001001"}, {{1, 0, 1, 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<PixelLine> lines;
        for (const std::string& l : c.lines) lines.push_back(Line(l));
        MemorySource source(lines);
        int seen = 0;
        StrokeReader reader(source, c.joinRuns, [](const PixelLine& px) { return px.x < 4; });
        reader.seen = [&seen](const PixelLine&) { ++seen; };
        std::vector<StrokeSeen> strokes;
        Stroke s;
        while (reader.next(s)) strokes.push_back({s.first.y, s.first.x, s.lastX, s.lines});
        EXPECT_EQ(strokes, c.strokes);
        EXPECT_EQ(seen, static_cast<int>(c.lines.size()));
    }
}

// --- The colours each board can show ---

TEST(BoardColour, EachBoardShowsAListedColourToItsOwnControls) {
    struct Case {
        ColourRule rule;
        std::string line;   // red, green and blue of a list line
        ColourValue shown;  // what the board draws for it
        bool canShow;       // whether its controls can set that colour exactly
    };
    const ColourRule oekaki{kBoardOekaki}, paint{kBoardPaint}, paintExact{kBoardPaint, true}, code{kBoardCode};
    const std::vector<Case> cases = {
        {oekaki, "123045067", Rgb(123, 45, 67), true},       {oekaki, "255254001", Rgb(255, 254, 1), true},
        {paint, "123045067", Rgb(125, 45, 65), false},       {paint, "122048250", Rgb(120, 50, 250), false},
        {paint, "125045065", Rgb(125, 45, 65), true},        {paint, "255255255", Rgb(255, 255, 255), true},
        {paint, "254252000", Rgb(255, 250, 0), false},       {paint, "000000000", Rgb(0, 0, 0), true},
        {paintExact, "123045067", Rgb(123, 45, 67), true},   {paintExact, "254252001", Rgb(254, 252, 1), true},
        {code, "123045067", Rgb(123, 45, 67), true},         {code, "255001254", Rgb(255, 1, 254), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("board " + std::to_string(c.rule.boardKind) + (c.rule.exact ? " exact " : " ") + c.line);
        const PixelLine px = Line(c.line + "000000");
        EXPECT_EQ(ShownColour(c.rule, px), c.shown);
        EXPECT_EQ(BoardCanShow(c.rule, Rgb(NumericValue(px.red), NumericValue(px.green), NumericValue(px.blue))),
                  c.canShow);
    }
}

}  // namespace
}  // namespace mipro
