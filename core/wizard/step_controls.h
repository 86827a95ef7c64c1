// What a step routine does with the frame's controls: Back and Next follow the step flags, and
// the status label of steps 5 and 6 says whether the step is done.
#pragma once

#include "interfaces/main_window.h"
#include "wizard/wizard.h"

namespace mipro {

// Sets a control's enabled state from a StepDone flag.
void EnableFrom(Wizard& w, ControlRef c, Boolean flag);

// lblSTINFO(StepNo) reads "設定済みです。" when StepDone(StepNo, BoardKind) is True, else nothing.
void StInfoSetCaption(Wizard& w);

}  // namespace mipro
