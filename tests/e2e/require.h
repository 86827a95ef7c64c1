// How a driver gives up: a line on stderr saying why, and a failing exit status. The failure
// unwinds to the driver's main, so that the programs the driver started are closed on the way out
// (left running, they would hold the driver's output open long after it ended).
#pragma once

#include <functional>
#include <string>

namespace mipro::testing {

[[noreturn]] void Fail(const std::string& why);

inline void Require(bool ok, const std::string& why) {
    if (!ok) Fail(why);
}

// Runs a driver's whole work: 0 when it returns, 1 when it failed.
int ExitStatusOf(const std::function<void()>& work);

}  // namespace mipro::testing
