// Decoding a Windows bitmap file: every header, depth and coding the program accepts, in one
// portable decoder.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "picture/decoded_picture.h"

namespace mipro {

// True when the bytes start like a bitmap file ("BM"); such files are decoded by DecodeBitmap.
bool IsBitmapFile(const std::vector<std::uint8_t>& bytes);

// Nothing when the bytes are not a whole bitmap of a supported kind and an accepted size.
std::optional<DecodedPicture> DecodeBitmap(const std::vector<std::uint8_t>& bytes, int keepWidth, int keepHeight);

}  // namespace mipro
