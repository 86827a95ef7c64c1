// The board's lettering: the large channel letters R, G and B (9 x 10 pixels) and small text
// (5 x 7 pixels, one pixel apart) for the values and colour codes, and the eyedropper icon.
#pragma once

#include <string>

#include "board/geometry.h"
#include "board/layout.h"
#include "board/raster.h"

namespace mipro::board {

constexpr Size kLetterSize{9, 10};
constexpr Size kDigitSize{5, 7};
constexpr int kTextAdvance = kDigitSize.width + 1;
constexpr Size kIconSize{7, 7};

void DrawChannelLetter(Raster& r, Channel c, Point topLeft, Colour ink);
// Digits, the hex letters a-f and A-F and "#"; a space leaves a blank of a digit's width, and any
// other character shows as a box.
void DrawSmallText(Raster& r, const std::string& text, Point topLeft, Colour ink);
void DrawEyedropper(Raster& r, Point topLeft, Colour ink);

}  // namespace mipro::board
