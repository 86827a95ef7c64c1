// What every picture decoder returns, the size limits each checks before it allocates, and the
// drawing of a pixel onto the white canvas.
#pragma once

#include <cstdint>

#include "base/picture.h"

namespace mipro {

// Largest side accepted, and largest number of pixels: 48 megapixels is a large camera photo,
// and its decoded image (4 bytes a pixel) stays under 200 MB. Both are checked from the file's
// header before the pixels are decoded, so a forged header never makes a huge allocation.
constexpr int kMaxPictureSide = 16384;
constexpr std::int64_t kMaxPicturePixels = 48LL * 1000 * 1000;

struct DecodedPicture {
    int width = 0;   // the picture's own size
    int height = 0;
    Picture canvas;  // its top-left part, at most keepWidth x keepHeight, drawn on white
};

// Both sides from 1 to kMaxPictureSide and at most kMaxPicturePixels pixels.
bool AcceptedPictureSize(std::int64_t width, std::int64_t height);

// A pixel of 8-bit components drawn with coverage alpha (0 transparent, 255 opaque) over the
// white canvas, each component rounded to the nearest value.
ColourValue ColourOnWhite(int red, int green, int blue, int alpha);

}  // namespace mipro
