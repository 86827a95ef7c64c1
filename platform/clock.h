// Time: pauses, the seconds-since-midnight timer and the system timer resolution.
#pragma once

namespace mipro {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void sleep(int milliseconds) = 0;
    // Seconds since midnight, single precision, like the runtime's Timer.
    virtual float secondsSinceMidnight() = 0;
    // Ask for 1 ms scheduling so short pauses last what they say; undone by restore.
    virtual void raiseTimerResolution() = 0;
    virtual void restoreTimerResolution() = 0;
};

}  // namespace mipro
