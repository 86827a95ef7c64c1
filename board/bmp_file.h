// Pictures as 24-bit Windows bitmap files (bottom-up rows, each padded to four bytes).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "board/raster.h"

namespace mipro::board {

std::vector<std::uint8_t> EncodeBmp24(const Raster& picture);
// Reads back what EncodeBmp24 writes: an uncompressed 24-bit bitmap, either row order.
std::optional<Raster> DecodeBmp24(const std::vector<std::uint8_t>& bytes);

bool SaveBmp24(const std::filesystem::path& path, const Raster& picture);
std::optional<Raster> LoadBmp24(const std::filesystem::path& path);

}  // namespace mipro::board
