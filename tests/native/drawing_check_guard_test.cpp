// The check's guards in whole runs: a read of the canvas is trusted only when the canvas's
// surroundings show as they did on page 6 and it is not mostly wrong; the read before the run
// waits for the screen to settle, as the read after it does; every read shows the check's caption.
#include "canvas_run_fixture.h"

#include <optional>
#include <utility>

namespace mipro::testing {
namespace {

using board::Kind;

const std::string kChecking = " 描画を確認しています...";
const std::string kAllDrawn = " 描画 100% 完了...";
const std::string kNotChecked = " 描画終了 (確認できませんでした)";
const std::string kToldMoved = "描画エリアのまわりが";
const std::string kToldUnreadable = "画面を読み取れなかった";

// What happens to the screen of a run into a 64 x 48 canvas.
enum class Turn {
    ReadsBlackAfterRun,   // X11 gives black for what it cannot read
    ReadsFailAfterRun,    // the screen cannot be read at all
    ScrolledAfterRun,     // the page scrolled 2 pixels up
    ScrolledBeforeRun,    // the page scrolled 2 pixels up between page 6 and the run
};

struct GuardCase {
    std::string name;
    Picture picture;
    board::BusyPattern busy;
    Turn turn;
    std::string told;  // a piece of the one message the run ends with
};

std::vector<GuardCase> GuardCases() {
    const board::BusyPattern missesPresses{5, 1000};
    return {
        {"a black picture over the whole canvas, a busy board, read black after the run",
         Picture(64, 48, 0x000000), missesPresses, Turn::ReadsBlackAfterRun, kToldMoved},
        {"a black 8 x 8 picture, read black after the run", Picture(8, 8, 0x000000), {}, Turn::ReadsBlackAfterRun,
         kToldMoved},
        {"the page scrolled 2 pixels up after the run", BandedPicture(), {}, Turn::ScrolledAfterRun, kToldMoved},
        {"the page scrolled 2 pixels up before the run", BandedPicture(), missesPresses, Turn::ScrolledBeforeRun,
         kToldMoved},
        {"the screen unreadable after the run", BandedPicture(), missesPresses, Turn::ReadsFailAfterRun,
         kToldUnreadable},
    };
}

int PicturePixels(const Picture& p) { return static_cast<int>(PixelLines(p).size()); }

class CheckGuardTest : public CanvasRunTest {
protected:
    void ScrollUp() {
        const ScreenRect r = board->windowRect();
        board->moveTo({r.left, r.top - 2});
    }
    // The turn comes before the first read after the last click.
    void Arrange(Turn turn) {
        if (turn == Turn::ScrolledBeforeRun) {
            ScrollUp();
            return;
        }
        desk.screen.onRead = [this, turn] {
            if (turned || desk.window.windowCaption() != kChecking || CanvasPresses() == 0) return;
            turned = true;
            if (turn == Turn::ReadsBlackAfterRun) desk.screen.readsBlack = true;
            if (turn == Turn::ReadsFailAfterRun) desk.screen.readsFail = true;
            if (turn == Turn::ScrolledAfterRun) ScrollUp();
        };
    }
    void Fresh() {
        board.reset();
        desk.log.clear();
        desk.dialogs.shown.clear();
        desk.screen.onRead = nullptr;
        desk.screen.readsBlack = desk.screen.readsFail = false;
        turned = false;
        w.st.poo = {};
    }

    bool turned = false;
};

TEST_F(CheckGuardTest, AReadThatIsNotOfTheCanvasMendsNothingAndIsTold) {
    for (const GuardCase& c : GuardCases()) {
        SCOPED_TRACE(c.name);
        Fresh();
        PutUp({Kind::OekakiBBS, {40, 30}, {64, 48}, "SunAwtCanvas", c.busy});
        Arrange(c.turn);
        DrawPicture(c.picture);
        // The run's own clicks and not one more: nothing was repaired, on the canvas or beside it.
        EXPECT_EQ(CanvasPresses(), PicturePixels(c.picture));
        EXPECT_EQ(PressesBesideTheCanvas(), 0);
        EXPECT_EQ(desk.window.windowCaption(), kNotChecked);
        const std::vector<std::string> messages = Messages();
        EXPECT_EQ(messages.size(), 1u);
        EXPECT_TRUE(!messages.empty() && messages[0].find(c.told) != std::string::npos)
            << (messages.empty() ? "no message" : messages[0]);
    }
}

// A message box still closing when the run starts covers part of the canvas at the first read:
// the read before the run waits until two reads agree, so the box is not painted back afterwards.
TEST_F(CheckGuardTest, AWindowClosingAtTheFirstReadIsNotPaintedBack) {
    PutUp({Kind::OekakiBBS, {40, 30}, {64, 48}});
    const ScreenPoint o = board->canvasOrigin();
    WindowHandle box = desk.screen.addWindow({o.x + 30, o.y + 20, o.x + 51, o.y + 31}, "#32770");
    const int readsWithBox = desk.screen.reads;
    desk.window.onDoEvents = [&] {
        if (box && desk.screen.reads > readsWithBox) desk.screen.removeWindow(std::exchange(box, 0));
    };
    const Picture p = BandedPicture();
    DrawPicture(p);
    EXPECT_EQ(box, 0);
    EXPECT_EQ(CanvasPresses(), PicturePixels(p));
    for (int y = 20; y < 31; ++y)
        for (int x = 30; x < 51; ++x) EXPECT_EQ(board->canvas().at(x, y), board::kWhite) << x << ", " << y;
    EXPECT_TRUE(desk.dialogs.shown.empty());
    EXPECT_EQ(desk.window.windowCaption(), kAllDrawn);
}

// A watcher can time the check by its caption: it shows at every read, the one before the first
// click and the one after each repair pass included, and the caption before the run comes back
// for the run.
TEST_F(CheckGuardTest, EveryReadOfTheCheckShowsTheCheckingCaption) {
    PutUp({Kind::OekakiBBS, {40, 30}, {64, 48}, "SunAwtCanvas", {3, 1000}});
    std::vector<std::string> atReads;
    desk.screen.onRead = [&] { atReads.push_back(desk.window.windowCaption()); };
    std::optional<std::string> atFirstClick;
    desk.pointer.onButton = [&] {
        if (!atFirstClick && OnCanvas(desk.pointer.position())) atFirstClick = desk.window.windowCaption();
    };
    desk.window.setWindowCaption("ミプロ♪");
    const Picture p = BandedPicture();
    DrawPicture(p);
    EXPECT_GT(board->missedPresses(), 0);
    EXPECT_EQ(Mismatches(p, false), 0);
    // Two reads before the run, two after it, two after the repair pass at the least.
    EXPECT_GE(atReads.size(), 6u);
    for (const std::string& caption : atReads) EXPECT_EQ(caption, kChecking);
    EXPECT_EQ(atFirstClick, "ミプロ♪");
    EXPECT_EQ(desk.window.windowCaption(), kAllDrawn);
}

}  // namespace
}  // namespace mipro::testing
