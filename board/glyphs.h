// The board's lettering: the large channel letters R, G and B (9 x 10 pixels) and small digits
// (5 x 7 pixels, one pixel apart) for the values.
#pragma once

#include <string>

#include "board/geometry.h"
#include "board/layout.h"
#include "board/raster.h"

namespace mipro::board {

constexpr Size kLetterSize{9, 10};
constexpr Size kDigitSize{5, 7};

void DrawChannelLetter(Raster& r, Channel c, Point topLeft, Colour ink);
// Digits only; any other character leaves a blank of a digit's width.
void DrawDigits(Raster& r, const std::string& text, Point topLeft, Colour ink);

}  // namespace mipro::board
