#include "drawing/board_pace.h"

#include <algorithm>

namespace mipro {

bool AtBoardPace(const State& st) { return st.SpeedIndex == kBoardPaceSpeed; }

bool PlaceAgainBeforeRelease(const State& st) { return !AtBoardPace(st); }

int ControlWait(const State& st, int extraMs) { return st.SpeedWait + (AtBoardPace(st) ? 0 : extraMs); }

BoardPace::BoardPace(State& st) : st_(st) { setWait(0); }

void BoardPace::landed(bool whole) {
    if (!whole) {
        clean_groups_ = 0;
        setWait(std::max(1, st_.SpeedWait * 2));
        return;
    }
    if (++clean_groups_ < kCleanGroupsToHalve) return;
    clean_groups_ = 0;
    setWait(st_.SpeedWait / 2);
}

void BoardPace::unseen() {
    clean_groups_ = 0;
    setWait(kMostWaitMs);
}

void BoardPace::setWait(int ms) { st_.SpeedWait = std::min(ms, kMostWaitMs); }

}  // namespace mipro
