// Step 2: the choice of the picture file.
#pragma once

#include "wizard/wizard.h"

namespace mipro {

// Back and Next from the step flags; on a first visit the pointer goes to the browse button.
void ST02_ImageGetProc(Wizard& w);
void cmdOPEN_Click(Wizard& w);

}  // namespace mipro
