// Sleep on a steady schedule, the time of day and the system timer resolution.
#pragma once

#include "base/pause_schedule.h"
#include "interfaces/clock.h"

namespace mipro::win32 {

class Win32Clock : public Clock {
public:
    void sleep(int milliseconds) override;
    float secondsSinceMidnight() override;
    void raiseTimerResolution() override;
    void restoreTimerResolution() override;

private:
    PauseSchedule schedule_;
    bool raised_ = false;
};

}  // namespace mipro::win32
