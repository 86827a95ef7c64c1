// Drawing the run-length coded pixels of an RLE8 or RLE4 bitmap. The data is a chain of byte
// pairs from the bottom-left corner: a count and a colour index (RLE4: two indices, used in
// turn) draw a run; a zero count is an escape whose second byte ends the line (0), ends the
// bitmap (1), moves the pen right and up by the next two bytes (2), or starts an absolute run of
// that many indices padded to a 16-bit boundary (3 and more).
//
// Pixels the data never sets are left white. Decoders disagree about them: Windows fills them
// with black when it expands the data, browsers show them transparent. This program draws every
// transparent pixel as the white canvas, and skipped pixels are places where the picture holds
// nothing, so they are treated the same way: no ink is spent on them.
#pragma once

#include <cstdint>
#include <vector>

#include "base/picture.h"
#include "picture/bitmap_layout.h"

namespace mipro {

// Draws the canvas's part of the picture (its top-left corner). Runs and moves past the picture's
// right edge or top are clipped, never drawn. False when the data needs bytes past the end of the
// file or ends without the end-of-bitmap escape.
bool DrawBitmapRle(const std::vector<std::uint8_t>& bytes, const BitmapLayout& layout, Picture& canvas);

}  // namespace mipro
