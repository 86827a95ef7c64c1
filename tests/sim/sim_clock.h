// A virtual clock: sleeping advances it at once.
#pragma once

#include "interfaces/clock.h"
#include "tests/sim/sim_log.h"

namespace mipro::sim {

class SimClock : public Clock {
public:
    explicit SimClock(Log& log) : log_(log) {}

    void sleep(int milliseconds) override {
        now_ms_ += milliseconds;
        log_.add({EventKind::Sleep, {}, milliseconds});
    }
    float secondsSinceMidnight() override { return static_cast<float>((start_ms_ + now_ms_) / 1000.0); }
    void raiseTimerResolution() override { ++raised_; }
    void restoreTimerResolution() override { --raised_; }

    // Time passing without a sleep (work that takes time).
    void advance(long long milliseconds) { now_ms_ += milliseconds; }
    long long nowMs() const { return now_ms_; }
    int timerResolutionRaised() const { return raised_; }

private:
    Log& log_;
    long long start_ms_ = 10 * 3600 * 1000LL;  // 10 o'clock in the morning
    long long now_ms_ = 0;
    int raised_ = 0;
};

}  // namespace mipro::sim
