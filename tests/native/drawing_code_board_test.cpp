// Whole runs into boards that take a colour typed as a code, and into PaintBBS with exact colours,
// on the simulated desktop: the code typed into the board's field (opened and closed as the board
// needs), the board's current colour read back before it is drawn with, and the runs that must stop
// before drawing anything wrong; the rows drawn as lines read back on a board that ends them short.
#include <string>
#include <vector>

#include "canvas_run_fixture.h"
#include "drawing/code_colour.h"

namespace mipro::testing {
namespace {

using board::CodeOpener;
using board::Kind;

const std::string kCompleted = " 描画 100% 完了...";
const std::string kStopped = " 描画中止 (色を設定できませんでした)";
const std::string kNotShownNote = "今の色が変わりませんでした";
const std::string kCoveredNote = "重なっています";
const std::string kLinesNote = "線で描いた行が最後まで描かれていませんでした";

class CodeBoardRunTest : public CanvasRunTest {
protected:
    void PutCodeBoard(CodeOpener opener, bool opens, bool closes, int dropFocus = 0) {
        w.st.codeChoices = {ToBoolean(opens), ToBoolean(closes), w.st.codeChoices.CodeHash};
        sim::SimBoardOptions options{Kind::ColourCode, {40, 30}, {48, 32}};
        options.opener = opener;
        options.dropFocus = dropFocus;
        PutUp(options);
    }
    bool Told(const std::string& part) const {
        for (const auto& shown : desk.dialogs.shown)
            if (shown.text.find(part) != std::string::npos) return true;
        return false;
    }
    // Canvas pixels painted, and of them those that differ from the picture.
    struct Painted {
        int all = 0, wrong = 0;
    };
    Painted PaintedFor(const Picture& p) const {
        Painted painted;
        for (int y = 0; y < board->canvas().height(); ++y) {
            for (int x = 0; x < board->canvas().width(); ++x) {
                const ColourValue shown = board->canvas().at(x, y);
                if (shown == kWhite) continue;
                ++painted.all;
                painted.wrong += x >= p.width() || y >= p.height() || shown != p.point(x, y);
            }
        }
        return painted;
    }
};

// Every way a board's field is reached, with the code's "#" and without: the picture lands exact,
// the pen cursor the board draws under the pointer never fools the check, and no key ever reaches
// the board outside its field.
TEST_F(CodeBoardRunTest, TheCodeIsTypedIntoTheFieldHoweverItIsReached) {
    const struct {
        const char* name;
        CodeOpener opener;
        bool opens, closes, hash;
    } kCases[] = {
        {"a field always there", CodeOpener::None, false, false, true},
        {"a field always there, no hash", CodeOpener::None, false, false, false},
        {"a field behind a button", CodeOpener::Button, true, false, true},
        {"a window over the canvas, closed by its x", CodeOpener::Window, true, true, true},
        {"a window over the canvas, no hash", CodeOpener::Window, true, true, false},
    };
    const Picture picture = BandedPicture();
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        board.reset();
        desk.dialogs.shown.clear();
        w.st.codeChoices.CodeHash = ToBoolean(c.hash);
        PutCodeBoard(c.opener, c.opens, c.closes);
        DrawPicture(picture);
        EXPECT_EQ(Mismatches(picture, false), 0);
        EXPECT_EQ(desk.window.windowCaption(), kCompleted);
        EXPECT_TRUE(desk.dialogs.shown.empty());
        const board::KeyRecord& keys = board->model().keys();
        EXPECT_EQ(keys.boardKeys, 0) << "keys that reached the board outside its field";
        EXPECT_EQ(keys.boardErases, 0);
        EXPECT_GT(keys.fieldEnters, 0);
        EXPECT_FALSE(board->model().codePanel().windowOpen());
        int hashes = 0;
        for (const sim::Event& e : desk.log.only(sim::EventKind::Key)) hashes += e.text == "type #";
        EXPECT_EQ(hashes > 0, c.hash);
        desk.log.clear();
    }
}

// A code typed while the field missed the focus goes to the board as its shortcuts: the run stops
// at once, before drawing anything in a colour the board does not hold, and says why. It never
// types the code again (more shortcuts), nor sends Backspace or Delete. (The picture's first
// colour, black, is the board's already: no key is needed for it, and its pixels are drawn.)
TEST_F(CodeBoardRunTest, AFieldThatMissedTheFocusStopsTheRunBeforeAnythingWrongIsDrawn) {
    PutCodeBoard(CodeOpener::None, false, false, /*dropFocus=*/1);
    const Picture picture = BandedPicture();
    DrawPicture(picture);
    const Painted painted = PaintedFor(picture);
    EXPECT_EQ(painted.wrong, 0);
    EXPECT_GT(painted.all, 0) << "black, drawn";
    EXPECT_GT(Mismatches(picture, false), 0) << "the other colours, not drawn";
    EXPECT_EQ(desk.window.windowCaption(), kStopped);
    EXPECT_TRUE(Told(kNotShownNote));
    const board::KeyRecord& keys = board->model().keys();
    EXPECT_EQ(keys.boardKeys, 9) << "the select-all's A, the code and Enter, once";
    EXPECT_EQ(keys.boardErases, 0);
    EXPECT_EQ(board->model().codesApplied(), 0);
}

// A board whose code window stays over the canvas (its closer not captured): nothing is drawn with
// the colour typed, for every click would land on the window. (Black, the board's colour already,
// needed no window, and its pixels are drawn.)
TEST_F(CodeBoardRunTest, AWindowLeftOverTheCanvasStopsTheRunBeforeAnythingWrongIsDrawn) {
    PutCodeBoard(CodeOpener::Window, true, false);
    const Picture picture = BandedPicture();
    DrawPicture(picture);
    EXPECT_EQ(PaintedFor(picture).wrong, 0);
    EXPECT_GT(Mismatches(picture, false), 0);
    EXPECT_TRUE(board->model().codePanel().windowOpen());
    EXPECT_EQ(board->model().presses().count(board::PressPlace::Canvas), PaintedFor(picture).all);
    EXPECT_EQ(desk.window.windowCaption(), kStopped);
    EXPECT_TRUE(Told(kCoveredNote));
}

// A colour the board already holds is not typed again; one in doubt (after a hand) is.
TEST_F(CodeBoardRunTest, EachColourIsTypedOnceAndAgainOnlyWhenInDoubt) {
    PutCodeBoard(CodeOpener::None, false, false);
    Picture picture(6, 2, kWhite);
    for (int x = 0; x < 6; ++x) picture.setPoint(x, 0, x < 3 ? 0x0000FF : 0x00FF00);
    DrawPicture(picture);
    EXPECT_EQ(board->model().codesApplied(), 2);
    EXPECT_EQ(Mismatches(picture, false), 0);
}

TEST(ColourCode, IsTheThreeComponentsInLowerCaseHexWithOrWithoutTheHash) {
    EXPECT_EQ(ColourCode("255", "000", "010", true), "#ff000a");
    EXPECT_EQ(ColourCode("001", "171", "239", false), "01abef");
    EXPECT_EQ(ColourCode("999", "", "x", true), "#ff0000") << "a component out of range is clamped, none is 0";
}

// PaintBBS with exact colours: after each slider is set as the design sets it, Shift+clicks beside
// its knob bring it to the exact value; the check expects the exact colour.
TEST_F(CodeBoardRunTest, ExactColoursOnPaintBBSReachEveryValue) {
    w.st.ShiExact = True;
    PutUp({Kind::PaintBBS, {40, 30}, {20, 14}});
    const Picture picture = RandomPicture(20, 14, 7);
    DrawPicture(picture);
    EXPECT_EQ(Mismatches(picture, false), 0);
    EXPECT_EQ(desk.window.windowCaption(), kCompleted);
    EXPECT_FALSE(board->model().shiftHeld());
}

// A board that ends every drag short: the first rows drawn as lines are read back, lines are given
// up for the rest (said once, at the end), and the check mends what the short drags missed.
TEST_F(CodeBoardRunTest, LinesAreGivenUpOnABoardThatEndsDragsShort) {
    w.st.StrokeRuns = True;
    sim::SimBoardOptions options{Kind::OekakiBBS, {40, 30}, {48, 32}};
    options.stabiliser = 5;
    PutUp(options);
    Picture picture(40, 6, kWhite);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 40; ++x) picture.setPoint(x, y, y % 2 ? 0x0000C8 : 0x00A000);
    DrawPicture(picture);
    EXPECT_EQ(Mismatches(picture, false), 0);
    int told = 0;
    for (const auto& shown : desk.dialogs.shown) told += shown.text.find(kLinesNote) != std::string::npos;
    EXPECT_EQ(told, 1);
}

// A board that draws lines in full keeps them, and nothing is said.
TEST_F(CodeBoardRunTest, LinesStayOnABoardThatDrawsThemInFull) {
    w.st.StrokeRuns = True;
    PutUp({Kind::OekakiBBS, {40, 30}, {48, 32}});
    Picture picture(40, 6, kWhite);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 40; ++x) picture.setPoint(x, y, y % 2 ? 0x0000C8 : 0x00A000);
    DrawPicture(picture);
    EXPECT_EQ(Mismatches(picture, false), 0);
    EXPECT_FALSE(Told(kLinesNote));
    EXPECT_EQ(board->model().presses().count(board::PressPlace::Canvas), 6) << "a drag a row";
}

}  // namespace
}  // namespace mipro::testing
