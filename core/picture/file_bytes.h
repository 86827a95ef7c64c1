// Reading a whole file named by a UTF-8 path.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mipro {

// The file's bytes, or nothing when it cannot be read or is larger than maxBytes.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& utf8Path, std::uintmax_t maxBytes);

}  // namespace mipro
