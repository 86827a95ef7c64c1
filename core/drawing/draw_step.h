// Step 7: the drawing speed and the draw run.
#pragma once

#include "wizard/wizard.h"

namespace mipro {

// Shows the chosen board's picture and selects the speed last chosen, which applies it.
void ST07_DrawProc(Wizard& w);
// SpeedWait for the speed button Index: 3 ms fast, 15 ms normal, 80 ms slow; at the board's own
// pace (kBoardPaceSpeed) no pause to start with.
void optSPEED_Click(Wizard& w, int Index);
void cmdDRAW_Click(Wizard& w);
// The two choices of page 7, taken from their boxes.
void chkCHECK_Click(Wizard& w);
void chkSTROKE_Click(Wizard& w);

}  // namespace mipro
