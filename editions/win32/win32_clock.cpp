#include "editions/win32/win32_clock.h"

#include <windows.h>
#include <mmsystem.h>

#include <chrono>

namespace mipro::win32 {

namespace {
constexpr UINT kFinestResolutionMs = 1;

std::int64_t NowMicroseconds() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

// Sleep has whole milliseconds; what rounding gains or loses is settled by the next pause.
void Win32Clock::sleep(int milliseconds) {
    const std::int64_t wait_us = schedule_.waitFor(NowMicroseconds(), milliseconds);
    Sleep(static_cast<DWORD>((wait_us + 500) / 1000));
}

float Win32Clock::secondsSinceMidnight() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return static_cast<float>(t.wHour * 3600 + t.wMinute * 60 + t.wSecond) +
           static_cast<float>(t.wMilliseconds) / 1000.0f;
}

// Raising twice and restoring once must leave the system as it was, so the calls are paired.
void Win32Clock::raiseTimerResolution() {
    if (raised_) return;
    raised_ = timeBeginPeriod(kFinestResolutionMs) == TIMERR_NOERROR;
}

void Win32Clock::restoreTimerResolution() {
    if (!raised_) return;
    timeEndPeriod(kFinestResolutionMs);
    raised_ = false;
}

}  // namespace mipro::win32
