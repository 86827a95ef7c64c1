// Reading and writing a file in one piece.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mipro::board {

// The file is written beside its final name and renamed into place, so a reader polling for it
// never sees half of it.
bool WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

}  // namespace mipro::board
