// The places the program puts the pointer of its own accord: onto a button of the main window,
// where the user's next press is expected, and the screen's centre.
#pragma once

#include "base/types.h"
#include "interfaces/main_window.h"
#include "wizard/wizard.h"

namespace mipro {

// Puts the pointer 75 pixels right of and 10 pixels below the top-left corner of the button.
void GoPointerDefPos(Wizard& w, ControlRef objCMD);

// The screen's centre pixel, from the screen's size in twips.
ScreenPoint ScreenCentre(Wizard& w);

}  // namespace mipro
