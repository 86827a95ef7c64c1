// Step 4: the choice of the drawing board.
#pragma once

#include "wizard/wizard.h"

namespace mipro {

// Selects the chosen board's option button; Back and Next are both enabled.
void ST04_BoardSelect(Wizard& w);
void optBOARD_Click(Wizard& w, int Index);

}  // namespace mipro
