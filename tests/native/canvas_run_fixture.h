// Whole runs into a simulated practice board whose canvas was found on the screen as page 6
// finds it, with the user's hand guarded as the editions guard it and the check after the run on.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "board_run_fixture.h"
#include "targeting/board_kinds.h"
#include "targeting/canvas_extent.h"
#include "targeting/capture_steps.h"

namespace mipro::testing {

inline constexpr int kYes = MsgBox::AnswerYes;
inline constexpr int kNo = MsgBox::AnswerNo;
inline const std::string kGoOn = "描画を続けますか？";
inline const std::string kStop = "描画を止めますか？";

class CanvasRunTest : public BoardRunTest {
protected:
    CanvasRunTest() {
        desk.pointer.guardsHand = true;
        w.st.CheckAfterDraw = True;
    }

    // The board, its controls captured and its canvas found on the screen as page 6 finds it,
    // with what surrounds it.
    void PutUp(sim::SimBoardOptions options) {
        PutBoard(options);
        const CanvasSight seen = LookAtCanvas(w, board->canvasOrigin());
        ASSERT_TRUE(seen.size);
        EXPECT_EQ(*seen.size, (CanvasSize{options.canvas.width, options.canvas.height}));
        ChosenCanvas(w.st) = *seen.size;
        ChosenRing(w.st) = seen.ring;
    }
    void DrawPicture(const Picture& p) {
        w.st.ImgWidth = p.width();
        w.st.ImgHeight = p.height();
        Draw(p);
    }

    bool OnCanvas(ScreenPoint p) const {
        const ScreenPoint o = board->canvasOrigin();
        return p.x >= o.x && p.y >= o.y && p.x < o.x + board->canvas().width() && p.y < o.y + board->canvas().height();
    }
    // Presses that reached neither the canvas nor the colour controls left of it: the board's
    // window right of or below the canvas.
    int PressesBesideTheCanvas() const {
        int beside = 0;
        for (const ScreenPoint& p : Presses()) beside += !OnCanvas(p) && p.x >= board->canvasOrigin().x;
        return beside;
    }
    int CanvasPresses() const {
        int on = 0;
        for (const ScreenPoint& p : Presses()) on += OnCanvas(p);
        return on;
    }

    // The user's hand takes the mouse once, just before the n-th press on the colour controls
    // counted from `afterCanvasPresses` presses on the canvas.
    void HandAtColourPress(int n, int afterCanvasPresses) {
        desk.pointer.onButton = [this, n, afterCanvasPresses] {
            if (handMoved || board->model().buttonHeld()) return;
            const ScreenPoint at = desk.pointer.position();
            if (OnCanvas(at)) {
                ++canvasPressesSeen;
            } else if (canvasPressesSeen >= afterCanvasPresses && at.x < board->canvasOrigin().x &&
                       ++colourPressesSeen == n) {
                handMoved = true;
                desk.pointer.userMoves({900, 700});
            }
        };
    }

    // oekakiBBS takes a press on blue's tens-up arrow that mipro never sent (as a busy board that
    // took a press twice). It comes from the board, not from a hand: the pointer is back where
    // mipro left it.
    void BoardTakesAPressOnBluesTensUp() {
        const ScreenPoint mipros = desk.pointer.position();
        const bool guards = std::exchange(desk.pointer.guardsHand, false);
        desk.pointer.userMoves(board->arrowPoint(board::Channel::Blue, board::Arrow::TensUp));
        desk.pointer.leftButtonDown();
        desk.pointer.leftButtonUp();
        desk.pointer.userMoves(mipros);
        desk.pointer.guardsHand = guards;
    }

    std::vector<std::string> Questions() const {
        std::vector<std::string> q;
        for (const auto& m : desk.dialogs.shown)
            if ((m.style & MsgBox::YesNo) == MsgBox::YesNo) q.push_back(m.text);
        return q;
    }

    bool handMoved = false;
    int canvasPressesSeen = 0;
    int colourPressesSeen = 0;
};

}  // namespace mipro::testing
