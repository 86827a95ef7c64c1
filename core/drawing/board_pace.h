// The board's own pace, the fourth speed: no pause to start with, the pause doubled whenever a
// group of strokes read back from the screen shows presses the board did not take, and halved
// again after a few groups it took whole. It never exceeds the fast speed's pause. The pause is
// SpeedWait itself, so every click of the run follows it.
#pragma once

#include "wizard/state.h"

namespace mipro {

// The optSPEED button of the board's own pace.
constexpr int kBoardPaceSpeed = 3;

bool AtBoardPace(const State& st);

// Whether a click places the pointer again on the point it already stands on, before its release
// (and, on a pixel, before its press), as the design does. At the board's own pace it does not:
// each placement costs about as much as the click, and a hand that moved the pointer is seen after
// the click all the same.
bool PlaceAgainBeforeRelease(const State& st);

// The pause around a click on a board's colour control: SpeedWait and the control's extra pause.
// The board's own pace leaves the extra out: a colour change that did not land shows in the
// read-back of the group drawn with it, and is made again, slower.
int ControlWait(const State& st, int extraMs);

class BoardPace {
public:
    static constexpr int kMostWaitMs = 3;          // the fast speed's pause
    static constexpr int kCleanGroupsToHalve = 4;

    // Starts the run with no pause.
    explicit BoardPace(State& st);

    // A group read back: whole, or with presses the board did not take.
    void landed(bool whole);
    // The group could not be read back: nothing tells how the board takes presses, so the pause is
    // the fast speed's.
    void unseen();

private:
    void setWait(int ms);

    State& st_;
    int clean_groups_ = 0;
};

}  // namespace mipro
