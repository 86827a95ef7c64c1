// The Linux clock: pauses on a steady schedule that absorbs the work between them, sleeps that
// outlast signals, and the time of day with its milliseconds.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/time.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <thread>
#include <vector>

#include "platform/linux/linux_clock.h"

namespace mipro::testing {

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using linux_x11::LinuxClock;

void BusyFor(std::chrono::milliseconds length) {
    const auto end = Clock::now() + length;
    while (Clock::now() < end) {
    }
}

// Each pause ends its length after the previous one was due, so the work done between pauses
// does not lengthen the beat: a wake-up is never early, and typically close to when it was due.
TEST(LinuxClock, PausesKeepTheirBeatDespiteTheWorkBetweenThem) {
    constexpr int kPauses = 12;
    constexpr auto kPause = 30ms;
    constexpr auto kWork = 10ms;
    LinuxClock clock;
    std::vector<Clock::duration> lateness;

    const auto start = Clock::now();
    clock.sleep(0);  // starts the schedule
    for (int i = 1; i <= kPauses; ++i) {
        BusyFor(kWork);
        clock.sleep(static_cast<int>(kPause.count()));
        lateness.push_back(Clock::now() - (start + i * kPause));
    }

    // The schedule counts whole microseconds: a wake-up may come that much before the test's clock says.
    for (const auto late : lateness) EXPECT_GE(late, -1us) << "a pause ended early";
    // Without the schedule every pause would add the work: the median would be over 60 ms late.
    std::nth_element(lateness.begin(), lateness.begin() + kPauses / 2, lateness.end());
    EXPECT_LT(lateness[kPauses / 2], kPause / 2);
}

void Ignore(int) {}

// A signal arriving during a sleep (a timer, a child ending) does not cut it short.
TEST(LinuxClock, ASignalDoesNotShortenASleep) {
    struct sigaction action {}, old {};
    action.sa_handler = Ignore;  // caught, without SA_RESTART: the sleep call is interrupted
    sigemptyset(&action.sa_mask);
    ASSERT_EQ(sigaction(SIGALRM, &action, &old), 0);
    itimerval every5ms{{0, 5000}, {0, 5000}}, off{};
    setitimer(ITIMER_REAL, &every5ms, nullptr);

    LinuxClock clock;
    const auto start = Clock::now();
    clock.sleep(100);
    const auto slept = Clock::now() - start;

    setitimer(ITIMER_REAL, &off, nullptr);
    sigaction(SIGALRM, &old, nullptr);
    EXPECT_GE(slept, 100ms);
}

float LocalSecondsNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return static_cast<float>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec);
}

TEST(LinuxClock, SecondsSinceMidnightFollowTheLocalClockWithMilliseconds) {
    LinuxClock clock;
    const float expected = LocalSecondsNow();
    if (expected > 86390) GTEST_SKIP() << "too close to midnight";

    std::vector<float> readings;
    for (int i = 0; i < 8; ++i) {
        readings.push_back(clock.secondsSinceMidnight());
        std::this_thread::sleep_for(37ms);
    }

    EXPECT_NEAR(readings.front(), expected, 1.5f);
    EXPECT_TRUE(std::is_sorted(readings.begin(), readings.end()));
    // Readings in whole seconds would all be whole numbers.
    EXPECT_TRUE(std::any_of(readings.begin(), readings.end(), [](float s) { return s != std::floor(s); }));
}

}  // namespace

}  // namespace mipro::testing
