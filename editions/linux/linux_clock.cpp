#include "editions/linux/linux_clock.h"

#include <cerrno>
#include <cstdint>
#include <ctime>

namespace mipro::linux_x11 {

namespace {

constexpr std::int64_t kNanosecondsPerMicrosecond = 1000;
constexpr std::int64_t kMicrosecondsPerSecond = 1000000;
constexpr long kNanosecondsPerMillisecond = 1000000;
constexpr float kMillisecondsPerSecond = 1000.0f;
constexpr int kSecondsPerHour = 3600;
constexpr int kSecondsPerMinute = 60;

std::int64_t Microseconds(const timespec& t) {
    return t.tv_sec * kMicrosecondsPerSecond + t.tv_nsec / kNanosecondsPerMicrosecond;
}

timespec FromMicroseconds(std::int64_t us) {
    return {static_cast<time_t>(us / kMicrosecondsPerSecond),
            static_cast<long>(us % kMicrosecondsPerSecond * kNanosecondsPerMicrosecond)};
}

}  // namespace

// The wait ends at a point on the monotonic clock, so a signal that interrupts it costs nothing:
// the sleep is resumed until that point.
void LinuxClock::sleep(int milliseconds) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const std::int64_t nowUs = Microseconds(now);
    const timespec wakeAt = FromMicroseconds(nowUs + schedule_.waitFor(nowUs, milliseconds));
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &wakeAt, nullptr) == EINTR) {
    }
}

// Whole milliseconds of the local time of day, as the system's local clock gives them.
float LinuxClock::secondsSinceMidnight() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    const int wholeSeconds = local.tm_hour * kSecondsPerHour + local.tm_min * kSecondsPerMinute + local.tm_sec;
    const long milliseconds = now.tv_nsec / kNanosecondsPerMillisecond;
    return static_cast<float>(wholeSeconds) + static_cast<float>(milliseconds) / kMillisecondsPerSecond;
}

// Linux sleeps already end within a fraction of a millisecond of when they are due (the kernel's
// high-resolution timers), so there is no system timer resolution to raise or to give back.
void LinuxClock::raiseTimerResolution() {}
void LinuxClock::restoreTimerResolution() {}

}  // namespace mipro::linux_x11
