// The PNG and GIF decoder the program used before its row-wise ones (stb_image), kept for the
// tests as the reference of what such pictures look like on the white canvas.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "picture/decoded_picture.h"

namespace mipro::testing {

std::optional<DecodedPicture> ReferenceDecode(const std::vector<std::uint8_t>& bytes, int keepWidth, int keepHeight);

}  // namespace mipro::testing
