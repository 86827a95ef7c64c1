// The guide picture of the magnifier: the guide frames side by side, each the view's size.
#pragma once

#include "base/picture.h"
#include "interfaces/magnifier_window.h"

namespace mipro {

// First frame of each capture: the canvas origin, oekakiBBS's colour controls, PaintBBS's sliders.
constexpr int kGuideOrigin = 0;
constexpr int kGuideOekakiControls = 1;
constexpr int kGuidePaintSliders = 4;

// Marks in the guides' colours; the transparent background is the window-background colour.
constexpr ColourValue kGuideRed = 0x0000FF;
constexpr ColourValue kGuideGreen = 0x00FF00;
constexpr ColourValue kGuideBlue = 0xFF0000;
constexpr ColourValue kGuideNearBlack = 0x010101;
constexpr ColourValue kWindowBackground = 0xFFFFFF;

// The 2100 x 300 picture, frame g at x 300 * g to 300 * g + 299.
Picture BuildGuidePicture();

}  // namespace mipro
