#include "tests/e2e/require.h"

#include <cstdio>
#include <cstdlib>

namespace mipro::testing {

void Fail(const std::string& why) {
    std::fprintf(stderr, "e2e: %s\n", why.c_str());
    std::fflush(stderr);
    std::exit(1);
}

}  // namespace mipro::testing
