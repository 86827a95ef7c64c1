// Drawing the uncompressed pixel rows of a bitmap: palette indices of 1, 4 or 8 bits (the leftmost
// pixel in the high bits of a byte) or little-endian colour values of 16, 24 or 32 bits, each row
// padded to a multiple of 4 bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "base/picture.h"
#include "picture/bitmap_layout.h"

namespace mipro {

// Draws the canvas's part of the picture (its top-left corner); false, drawing nothing, when the
// rows do not all lie in the file. Colour values with an alpha mask are blended onto white,
// unless every pixel's alpha is 0: such a picture was saved without coverage and is opaque.
bool DrawBitmapRows(const std::vector<std::uint8_t>& bytes, const BitmapLayout& layout, Picture& canvas);

}  // namespace mipro
