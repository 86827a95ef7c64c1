// Step 7: the draw run.
#pragma once

#include "app/wizard.h"

namespace mipro {

void cmdDRAW_Click(Wizard& w);

// The main window's mouse-up: fixes the desktop drawing position while one is awaited.
void Form_MouseUp(Wizard& w);

}  // namespace mipro
