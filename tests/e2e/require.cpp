#include "tests/e2e/require.h"

#include <cstdio>

namespace mipro::testing {

namespace {

struct RunFailed {};

}  // namespace

void Fail(const std::string& why) {
    std::fprintf(stderr, "e2e: %s\n", why.c_str());
    std::fflush(stderr);
    throw RunFailed{};
}

int ExitStatusOf(const std::function<void()>& work) {
    try {
        work();
        return 0;
    } catch (const RunFailed&) {
        return 1;
    }
}

}  // namespace mipro::testing
