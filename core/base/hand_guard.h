// Injected button events while a user's hand may also hold the mouse. A button event is meant for
// the point where the program put the pointer. When the pointer is found more than one pixel away
// from there, a hand has taken the mouse: a press is not sent at all (it would click wherever the
// hand is), the release of a press already sent still goes where that press went (so no drag is
// made), and the next reading of the pointer reports where the hand was seen, so the run notices
// the movement even when the program has put the pointer elsewhere since. Keys follow the press's
// rule: none is sent while the hand has the mouse.
#pragma once

#include <cstdlib>
#include <optional>

#include "base/types.h"

namespace mipro {

class HandGuard {
public:
    enum class Send {
        AtPlacement,  // the event, with the pointer where the program put it
        Here,         // the event where the pointer is: the program never placed it
        Nothing,
    };

    static constexpr int kUnmovedTolerancePx = 1;

    void placed(ScreenPoint p) { placed_ = p; }
    const std::optional<ScreenPoint>& placement() const { return placed_; }

    // now: the pointer as read just before the event.
    Send press(ScreenPoint now) {
        if (!placed_) return Send::Here;
        if (handAway(now)) {
            handSeen_ = now;
            return Send::Nothing;
        }
        pressed_ = true;
        return Send::AtPlacement;
    }

    Send release(ScreenPoint now) {
        if (placed_ && handAway(now)) handSeen_ = now;
        if (!placed_) return Send::Here;
        if (!pressed_) return Send::Nothing;
        pressed_ = false;
        return Send::AtPlacement;
    }

    // Whether a key may go: not while a hand has the mouse, which may have put the keyboard's focus
    // elsewhere. A key pressed needs no placement, so one is sent also when the program never
    // placed the pointer.
    bool key(ScreenPoint now) {
        if (!placed_ || !handAway(now)) return true;
        handSeen_ = now;
        return false;
    }

    // What a reading of the pointer gives: where a hand was seen, once, else the pointer as read.
    ScreenPoint reading(ScreenPoint now) {
        if (!handSeen_) return now;
        const ScreenPoint seen = *handSeen_;
        handSeen_.reset();
        return seen;
    }

private:
    bool handAway(ScreenPoint now) const {
        return std::abs(now.x - placed_->x) > kUnmovedTolerancePx || std::abs(now.y - placed_->y) > kUnmovedTolerancePx;
    }

    std::optional<ScreenPoint> placed_;
    std::optional<ScreenPoint> handSeen_;
    bool pressed_ = false;  // a press went out and its release has not
};

}  // namespace mipro
