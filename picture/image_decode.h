// Decoding a picture file (Windows bitmap, GIF, JPEG, PNG) onto a white canvas.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

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

// Nothing when the bytes are not a whole picture of an accepted format and size. Only the first
// frame of an animated GIF is decoded; transparent pixels are blended onto white.
std::optional<DecodedPicture> DecodePicture(const std::vector<std::uint8_t>& bytes, int keepWidth, int keepHeight);

}  // namespace mipro
