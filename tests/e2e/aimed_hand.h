// A hand that takes the mouse at a chosen moment of a run rather than at a per cent: while mipro is
// in the middle of a colour change (--hand-during colour-change), or in the middle of the colour
// reset that follows the answer Yes to "描画を続けますか？" (--hand-during reset: the hand first takes
// the mouse in a colour change, and again once mipro is back on the colour controls: a complete
// reset on oekakiBBS, every slider set again on PaintBBS).
//
// It watches the pointer as a user watching the screen would, and takes the mouse the moment the
// pointer is on the board's red colour control: red is set first in every colour change and every
// reset, so green and blue are still to come and mipro is still among its colour controls. From
// then on the hand keeps moving the mouse beside the canvas until mipro asks whether to go on. So
// it never finds mipro holding the button on the canvas (a drag there would paint a line no
// program can prevent), and mipro cannot go back to the canvas without seeing it.
//
// Clicks the hand kept from reaching the controls leave the board's colour other than mipro's
// record of it: only a run that forgets its record and brings the board back to a known colour
// ends with the picture exact.
#pragma once

#include "tests/e2e/desktop.h"
#include "tests/e2e/run_options.h"

namespace mipro::testing {

class AimedHand {
public:
    AimedHand(Desktop& desktop, const BoardOnScreen& board, HandDuring during);

    // Whether a moment is still to come.
    bool due() const;
    // Watches the pointer for a while and takes the mouse when the moment comes, keeping it until
    // mipro asks; returns then, when a message box is open, or when the while is over.
    void watch();
    // "描画を続けますか？" was answered Yes: the reset that follows is the next moment.
    void questionAnswered() { answeredSinceTaken_ = true; }
    int timesTaken() const { return taken_; }
    int timesWanted() const;

private:
    bool momentCame(ScreenPoint pointer);
    bool onCanvas(ScreenPoint p) const;
    bool onRedControl(ScreenPoint p) const;
    void takeTheMouse(ScreenPoint foundAt);

    Desktop& desktop_;
    const BoardOnScreen& board_;
    HandDuring during_;
    bool canvasSeen_ = false;  // mipro has drawn: its next colour change comes
    bool answeredSinceTaken_ = false;
    int taken_ = 0;
};

}  // namespace mipro::testing
