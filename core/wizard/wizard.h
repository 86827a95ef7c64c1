// The main window's logic: the program-wide state and the platform it works through.
#pragma once

#include "interfaces/platform.h"
#include "wizard/state.h"

namespace mipro {

struct Wizard {
    State st;
    Platform& pf;

    explicit Wizard(Platform& platform) : pf(platform) {}
};

}  // namespace mipro
