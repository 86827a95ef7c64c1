// Decoding the first image of a GIF, a row at a time, into the top-left part that is kept.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "picture/decoded_picture.h"

namespace mipro {

// Nothing when the GIF is broken before its first image's kept rows are drawn. The picture has
// the size of the GIF's screen; what the first image leaves uncovered, its transparent pixels and
// indices past its colour table are white. Only one row of the image is held at a time and
// decoding stops once the kept rows are drawn, whatever size the header claims.
std::optional<DecodedPicture> DecodeGif(const std::vector<std::uint8_t>& bytes, int keepWidth, int keepHeight);

}  // namespace mipro
