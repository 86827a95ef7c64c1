// The blinking status label lblSTINFO(StepNo) of the extraction step.
#pragma once

#include "wizard/wizard.h"

namespace mipro {

class StatusBlink {
public:
    explicit StatusBlink(Wizard& w);

    // Starts a new 0.7-second period from now.
    void restart();
    // Flips the label's visibility once more than 0.7 seconds have passed since the period began.
    void tick();

private:
    static constexpr float kPeriodSeconds = 0.7f;

    Wizard& w_;
    float start_ = 0;
};

}  // namespace mipro
