// Step 4: the choice of the drawing board.
#pragma once

#include "app/wizard.h"

namespace mipro {

void optBOARD_Click(Wizard& w, int Index);

}  // namespace mipro
