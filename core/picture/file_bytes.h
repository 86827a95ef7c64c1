// Reading a whole file named by a UTF-8 path.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mipro {

// The file's bytes, or nothing when it cannot be read, is not a regular file or is larger than
// maxBytes. The file is opened first and what was opened is checked: a FIFO or device put in its
// place is refused without waiting for a writer or reading from it.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& utf8Path, std::uintmax_t maxBytes);

}  // namespace mipro
