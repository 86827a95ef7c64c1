// Reading a whole file named by a UTF-8 path.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace mipro {

// The path as the file system names it; on Windows the UTF-8 text becomes a wide path, so
// Japanese folder names open whatever the system's code page is.
std::filesystem::path Utf8Path(const std::string& utf8);

// The file's bytes, or nothing when it cannot be read or is larger than maxBytes.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& utf8Path, std::uintmax_t maxBytes);

}  // namespace mipro
