#include "picture/file_bytes.h"

#include <fstream>

#include "base/utf8_path.h"

namespace mipro {

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& utf8Path, std::uintmax_t maxBytes) {
    const std::filesystem::path path = Utf8Path(utf8Path);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > maxBytes) return std::nullopt;

    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(bytes.size())) return std::nullopt;
    return bytes;
}

}  // namespace mipro
