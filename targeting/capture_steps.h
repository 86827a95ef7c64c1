// Steps 5 and 6: capture of the colour controls and of the canvas origin with the magnifier.
#pragma once

#include "app/wizard.h"

namespace mipro {

void cmdGETRGB_Click(Wizard& w);
void cmdGETHOME_Click(Wizard& w);

}  // namespace mipro
