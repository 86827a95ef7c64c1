// Step 2: the choice of the picture file.
#pragma once

#include "app/wizard.h"

namespace mipro {

void cmdOPEN_Click(Wizard& w);

}  // namespace mipro
