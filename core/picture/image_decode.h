// Decoding a picture file (Windows bitmap, GIF, JPEG, PNG) onto a white canvas.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "picture/decoded_picture.h"

namespace mipro {

// Nothing when the bytes are not a whole picture of an accepted format and size. Only the first
// frame of an animated GIF is decoded; transparent pixels are blended onto white.
std::optional<DecodedPicture> DecodePicture(const std::vector<std::uint8_t>& bytes, int keepWidth, int keepHeight);

}  // namespace mipro
