#include "base/pause_schedule.h"

#include <gtest/gtest.h>

namespace mipro {
namespace {

constexpr std::int64_t kMs = 1000;

TEST(PauseSchedule, FirstPauseIsGivenInFull) {
    PauseSchedule s;
    EXPECT_EQ(s.waitFor(5 * kMs, 3), 3 * kMs);
}

TEST(PauseSchedule, WorkBetweenPausesCountsTowardTheNextOne) {
    PauseSchedule s;
    EXPECT_EQ(s.waitFor(0, 3), 3 * kMs);
    // Woke on time at 3 ms, then placing the pointer took 0.4 ms.
    EXPECT_EQ(s.waitFor(3400, 3), 2600);
    // Woke 0.2 ms late at 6.2 ms: the next pause is that much shorter, and nothing is lost.
    EXPECT_EQ(s.waitFor(6200, 8), 7800);
    EXPECT_EQ(s.waitFor(14 * kMs, 8), 8 * kMs);
}

TEST(PauseSchedule, AHoldUpLongerThanThePauseStartsAfreshWithAFullPause) {
    PauseSchedule s;
    EXPECT_EQ(s.waitFor(0, 3), 3 * kMs);
    // A message box kept the program for two seconds: no catching up, the pause is whole.
    EXPECT_EQ(s.waitFor(2003 * kMs, 3), 3 * kMs);
    EXPECT_EQ(s.waitFor(2006 * kMs, 1500), 1500 * kMs);
    // Late by exactly the pause's length still counts as on schedule: nothing left to wait.
    EXPECT_EQ(s.waitFor(3512 * kMs, 6), 0);
    EXPECT_EQ(s.waitFor(3512 * kMs + 1, 6), 6 * kMs - 1);
}

TEST(PauseSchedule, ZeroAndNegativePausesWaitNothingAndKeepTheSchedule) {
    PauseSchedule s;
    EXPECT_EQ(s.waitFor(0, 0), 0);
    EXPECT_EQ(s.waitFor(10, -5), 0);
    EXPECT_EQ(s.waitFor(20, 2), 2 * kMs - 10);
}

}  // namespace
}  // namespace mipro
