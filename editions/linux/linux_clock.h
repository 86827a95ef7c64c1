// Sleep on a steady schedule, the time of day, and the timer resolution Linux does not need.
#pragma once

#include "base/pause_schedule.h"
#include "interfaces/clock.h"

namespace mipro::linux_x11 {

class LinuxClock : public Clock {
public:
    void sleep(int milliseconds) override;
    float secondsSinceMidnight() override;
    void raiseTimerResolution() override;
    void restoreTimerResolution() override;

private:
    PauseSchedule schedule_;
};

}  // namespace mipro::linux_x11
