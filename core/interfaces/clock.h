// Time: pauses, the seconds-since-midnight timer and the system timer resolution.
#pragma once

namespace mipro {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void sleep(int milliseconds) = 0;
    // Seconds since midnight by the local clock, single precision: a blink period of 0.7 s is
    // measured as a difference of two readings.
    virtual float secondsSinceMidnight() = 0;
    // Ask for 1 ms scheduling so short pauses last what they say; undone by restore.
    virtual void raiseTimerResolution() = 0;
    virtual void restoreTimerResolution() = 0;
};

}  // namespace mipro
