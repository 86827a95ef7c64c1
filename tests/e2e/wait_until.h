// Polling for a condition, as a user watching the screen does.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace mipro::testing {

// Polls `done` every 20 ms until it holds or `timeout` has passed.
inline bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    constexpr auto kPoll = std::chrono::milliseconds(20);
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
        if (done()) return true;
        std::this_thread::sleep_for(kPoll);
    }
    return done();
}

}  // namespace mipro::testing
