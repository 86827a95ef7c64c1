// Stops for screenshots taken from outside (scripts/screenshots, scripts/e2e --screenshot). With a
// folder given, the user stops at each named moment, writes "<dir>/ready-<name>" holding the
// screen rectangle worth keeping ("left top width height") and waits for "<dir>/taken-<name>"
// before going on; at the end of the run it writes "<dir>/ready" and waits for "<dir>/taken".
// Without a folder nothing stops.
#pragma once

#include <filesystem>
#include <string>

#include "base/types.h"

namespace mipro::testing {

class StepShots {
public:
    explicit StepShots(std::filesystem::path dir) : dir_(std::move(dir)) {}

    bool wanted() const { return !dir_.empty(); }
    void offer(const std::string& name, ScreenRect r) const;
    void offerEnd() const;

private:
    std::filesystem::path dir_;
};

ScreenRect Union(ScreenRect a, ScreenRect b);

}  // namespace mipro::testing
