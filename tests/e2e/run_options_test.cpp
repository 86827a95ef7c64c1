// The drivers' command line: the positional arguments, the options every edition knows, an
// edition's own, and the mistakes that must stop a driver before it starts anything.
#include "tests/e2e/run_options.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "tests/e2e/require.h"

namespace mipro::testing {
namespace {

std::vector<std::string> Args(std::initializer_list<std::string> extra) {
    std::vector<std::string> args = {"絵 & 1%.gif", "canvas.bmp", "PaintBBS", "slow"};
    args.insert(args.end(), extra);
    return args;
}

TEST(RunOptions, ReadsThePositionalArgumentsAndTheCommonOptions) {
    const RunOptions o = ParseRunOptions(Args({"--hand-at-percent", "50"}), {});
    EXPECT_EQ(o.picture, "絵 & 1%.gif");
    EXPECT_EQ(o.canvasFile, "canvas.bmp");
    EXPECT_EQ(o.boardName, "PaintBBS");
    EXPECT_EQ(o.boardIndex, 1);
    EXPECT_EQ(o.speedIndex, 2);
    EXPECT_EQ(o.handAtPercent, 50);
    std::vector<std::string> fastest = Args({});
    fastest[3] = "fastest";
    EXPECT_EQ(ParseRunOptions(fastest, {}).speedIndex, 3);
}

TEST(RunOptions, NobodyTouchesTheMouseUnlessAsked) {
    EXPECT_EQ(ParseRunOptions(Args({}), {}).handAtPercent, -1);
    EXPECT_EQ(ParseRunOptions(Args({}), {}).handDuring, HandDuring::Nothing);
}

TEST(RunOptions, NamesTheMomentsOfTheAimedHand) {
    EXPECT_EQ(ParseRunOptions(Args({"--hand-during", "colour-change"}), {}).handDuring, HandDuring::ColourChange);
    EXPECT_EQ(ParseRunOptions(Args({"--hand-during", "reset"}), {}).handDuring, HandDuring::Reset);
}

TEST(RunOptions, StepSevensCheckBoxesStayAsMiproSetsThemUnlessAsked) {
    const RunOptions plain = ParseRunOptions(Args({}), {});
    EXPECT_FALSE(plain.strokes);
    EXPECT_TRUE(plain.check);
    const RunOptions asked = ParseRunOptions(Args({"--no-check", "--strokes"}), {});
    EXPECT_TRUE(asked.strokes);
    EXPECT_FALSE(asked.check);
}

TEST(RunOptions, PageThreesReductionIsOffUnlessAsked) {
    const RunOptions plain = ParseRunOptions(Args({}), {});
    EXPECT_EQ(plain.coloursIndex, 0);
    EXPECT_FALSE(plain.dither);
    const RunOptions asked = ParseRunOptions(Args({"--colours", "32", "--dither"}), {});
    EXPECT_EQ(asked.coloursIndex, 2);
    EXPECT_TRUE(asked.dither);
    EXPECT_EQ(ParseRunOptions(Args({"--colours", "256"}), {}).coloursIndex, 5);
}

TEST(RunOptions, PassesAnEditionsOwnOptionsToIt) {
    std::string origin;
    bool flag = false;
    const std::vector<OptionRow> rows = {{"--board-origin", true, [&](const std::string& v) { origin = v; }},
                                         {"--flag", false, [&](const std::string&) { flag = true; }}};
    ParseRunOptions(Args({"--flag", "--board-origin", "20,20"}), rows);
    EXPECT_EQ(origin, "20,20");
    EXPECT_TRUE(flag);
}

TEST(RunOptions, ReadsTheBoardsOwnChoices) {
    const auto code = [](std::initializer_list<std::string> extra) {
        std::vector<std::string> args = {"a.gif", "c.bmp", "ColourCode", "fast"};
        args.insert(args.end(), extra);
        return ParseRunOptions(args, {});
    };
    const RunOptions plain = code({});
    EXPECT_EQ(plain.boardIndex, 2);
    EXPECT_TRUE(plain.codeHash);
    EXPECT_FALSE(CapturesOpener(plain) || CapturesCloser(plain));
    const RunOptions button = code({"--opener", "button", "--code-without-hash"});
    EXPECT_TRUE(CapturesOpener(button));
    EXPECT_FALSE(CapturesCloser(button));
    EXPECT_FALSE(button.codeHash);
    EXPECT_TRUE(CapturesCloser(code({"--opener", "window"})));
    EXPECT_FALSE(CapturesCloser(code({"--opener", "window", "--no-closer"})));
    EXPECT_EQ(OpenerName(code({"--opener", "window"}).opener), "window");
    EXPECT_TRUE(ParseRunOptions(Args({"--exact-colours"}), {}).exactColours);
}

struct Mistake {
    std::vector<std::string> args;
    const char* says;
};

TEST(RunOptions, StopsTheDriverOnAMistake) {
    const Mistake mistakes[] = {
        {{"a.gif", "c.bmp", "oekakiBBS"}, "usage"},
        {{"a.gif", "c.bmp", "Shi", "fast"}, "the board"},
        {{"a.gif", "c.bmp", "oekakiBBS", "quick"}, "the speed"},
        {{"a.gif", "c.bmp", "oekakiBBS", "fast", "--lines"}, "unknown option --lines"},
        {{"a.gif", "c.bmp", "oekakiBBS", "fast", "--hand-at-percent"}, "lacks its value"},
        {{"a.gif", "c.bmp", "oekakiBBS", "fast", "--hand-at-percent", "half"}, "takes a number"},
        {{"a.gif", "c.bmp", "oekakiBBS", "fast", "--hand-during", "drawing"}, "takes colour-change or reset"},
        {{"a.gif", "c.bmp", "oekakiBBS", "fast", "--colours", "100"}, "takes 16, 32, 64, 128 or 256"},
        {{"a.gif", "c.bmp", "oekakiBBS", "fast", "--colours", "many"}, "takes a number"},
        {{"a.gif", "c.bmp", "ColourCode", "fast", "--opener", "tab"}, "--opener"},
        {{"a.gif", "c.bmp", "oekakiBBS", "fast", "--exact-colours"}, "a choice of PaintBBS"},
        {{"a.gif", "c.bmp", "PaintBBS", "fast", "--opener", "button"}, "choices of ColourCode"},
    };
    for (const Mistake& m : mistakes) {
        const auto parse = [&m] { ParseRunOptions(m.args, {}); };
        EXPECT_EXIT(std::exit(ExitStatusOf(parse)), ::testing::ExitedWithCode(1), m.says) << m.says;
    }
}

}  // namespace
}  // namespace mipro::testing
