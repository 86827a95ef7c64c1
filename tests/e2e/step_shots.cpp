#include "tests/e2e/step_shots.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <thread>

#include "tests/e2e/require.h"
#include "tests/e2e/wait_until.h"

namespace mipro::testing {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr auto kTakeTimeout = 60s;
// The windows catch up on their painting first.
constexpr auto kRepaint = 1000ms;

}  // namespace

void StepShots::offer(const std::string& name, ScreenRect r) const {
    if (!wanted()) return;
    std::this_thread::sleep_for(kRepaint);
    // Written whole under another name first, so the taker never reads half a line.
    const fs::path part = dir_ / ("part-" + name), ready = dir_ / ("ready-" + name);
    std::ofstream(part) << r.left << ' ' << r.top << ' ' << (r.right - r.left) << ' ' << (r.bottom - r.top) << '\n';
    fs::rename(part, ready);
    Require(WaitUntil([&] { return fs::exists(dir_ / ("taken-" + name)); }, kTakeTimeout),
            "no screenshot was taken of " + name);
}

void StepShots::offerEnd() const {
    if (!wanted()) return;
    std::this_thread::sleep_for(kRepaint);
    std::ofstream(dir_ / "ready").put('\n');
    WaitUntil([&] { return fs::exists(dir_ / "taken"); }, kTakeTimeout);
}

ScreenRect Union(ScreenRect a, ScreenRect b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

}  // namespace mipro::testing
