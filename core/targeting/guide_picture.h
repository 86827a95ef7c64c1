// The guide picture of the magnifier: the guide frames side by side, each the view's size.
#pragma once

#include "base/picture.h"
#include "interfaces/magnifier_window.h"

namespace mipro {

// First frame of each capture: the canvas origin, oekakiBBS's colour controls, PaintBBS's sliders,
// the code kind's points (the button that opens the field, the field, the current colour and the
// button that closes the field's window, in this order).
constexpr int kGuideOrigin = 0;
constexpr int kGuideOekakiControls = 1;
constexpr int kGuidePaintSliders = 4;
constexpr int kGuideCodePoints = 7;

// Marks in the guides' colours; the transparent background is the window-background colour.
constexpr ColourValue kGuideRed = 0x0000FF;
constexpr ColourValue kGuideGreen = 0x00FF00;
constexpr ColourValue kGuideBlue = 0xFF0000;
constexpr ColourValue kGuideNearBlack = 0x010101;
constexpr ColourValue kWindowBackground = 0xFFFFFF;

// The picture of kGuideFrameCount frames side by side, frame g at x 300 * g to 300 * g + 299.
Picture BuildGuidePicture();

}  // namespace mipro
