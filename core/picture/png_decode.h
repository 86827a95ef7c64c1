// Decoding a PNG a row at a time into the top-left part of the picture that is kept.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "picture/decoded_picture.h"

namespace mipro {

// Nothing when the PNG is broken before the kept part is complete. Rows are inflated and
// unfiltered one at a time and reading stops once the kept part is drawn, so whatever size the
// header claims, the decoder holds two rows (at most 256 KB) besides the canvas.
std::optional<DecodedPicture> DecodePng(const std::vector<std::uint8_t>& bytes, int keepWidth, int keepHeight);

}  // namespace mipro
