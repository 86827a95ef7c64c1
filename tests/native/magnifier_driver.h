// The user's hand at the magnifier: a script of actions, one for each time the program lets
// pending events run once the magnifier shows its view.
#pragma once

#include <deque>
#include <functional>
#include <stdexcept>

#include "tests/sim/sim_desktop.h"
#include "targeting/magnifier.h"

namespace mipro::testing {

class MagnifierHand {
public:
    explicit MagnifierHand(sim::SimDesktop& desk) : desk_(desk) {
        desk_.window.onDoEvents = [this] { act(); };
    }

    // Does nothing for this many passes.
    MagnifierHand& rest(int passes) {
        for (int i = 0; i < passes; ++i) script_.push_back([] {});
        return *this;
    }
    MagnifierHand& moveTo(ScreenPoint p) {
        script_.push_back([this, p] { desk_.pointer.userMoves(p); });
        return *this;
    }
    MagnifierHand& key(MagnifierKey code) {
        script_.push_back([this, code] { events().Form_KeyDown(code); });
        return *this;
    }
    MagnifierHand& click(MouseButton button) {
        script_.push_back([this, button] { events().Form_MouseUp(button); });
        return *this;
    }
    MagnifierHand& close() {
        script_.push_back([this] { events().Form_Unload(); });
        return *this;
    }
    MagnifierHand& then(std::function<void()> action) {
        script_.push_back(std::move(action));
        return *this;
    }

    bool done() const { return script_.empty(); }

private:
    sim::MagnifierRecord* open() {
        if (desk_.screen.magnifiers.empty()) return nullptr;
        sim::MagnifierRecord& r = desk_.screen.magnifiers.back();
        return r.events ? &r : nullptr;
    }
    MagnifierEvents& events() {
        sim::MagnifierRecord* r = open();
        if (!r) throw std::logic_error("no magnifier is open");
        return *r->events;
    }
    // The user reacts only once the view shows; a script that ran out leaves the loop running,
    // which the limit turns into a failure instead of a hang.
    void act() {
        sim::MagnifierRecord* r = open();
        if (!r || r->stretches.empty()) return;
        if (script_.empty()) {
            if (++idle_ > kIdleLimit) throw std::runtime_error("the magnifier kept running after the script ended");
            return;
        }
        auto action = std::move(script_.front());
        script_.pop_front();
        action();
    }

    static constexpr int kIdleLimit = 10000;
    sim::SimDesktop& desk_;
    std::deque<std::function<void()>> script_;
    int idle_ = 0;
};

}  // namespace mipro::testing
