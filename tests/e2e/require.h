// How a driver gives up: a line on stderr saying why, and a failing exit status.
#pragma once

#include <string>

namespace mipro::testing {

[[noreturn]] void Fail(const std::string& why);

inline void Require(bool ok, const std::string& why) {
    if (!ok) Fail(why);
}

}  // namespace mipro::testing
