// The choice of where on the desktop a picture is painted: a focus rectangle of the picture's
// size follows the resting pointer, and releasing the left button fixes the place.
#pragma once

#include "base/types.h"
#include "wizard/wizard.h"

namespace mipro {

// Returns once the main window's mouse-up (Form_MouseUp) has fixed DeskPnt.
void SetPosDrawDeskTop(Wizard& w);

// The main window's mouse-up: fixes the desktop drawing position while one is awaited.
void Form_MouseUp(Wizard& w);

// The top-left pixel of a picture-sized area centred on `centre`.
ScreenPoint PictureCornerAround(const State& st, ScreenPoint centre);

}  // namespace mipro
