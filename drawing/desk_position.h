// The choice of where on the desktop a picture is painted: a focus rectangle of the picture's
// size follows the resting pointer, and releasing the left button fixes the place.
#pragma once

#include "app/wizard.h"
#include "platform/types.h"

namespace mipro {

// Returns once the main window's mouse-up (Form_MouseUp) has fixed DeskPnt.
void SetPosDrawDeskTop(Wizard& w);

// The screen's centre pixel, where the choice starts and where a desktop run parks the pointer.
ScreenPoint ScreenCentre(Wizard& w);

// The top-left pixel of a picture-sized area centred on `centre`.
ScreenPoint PictureCornerAround(const State& st, ScreenPoint centre);

}  // namespace mipro
