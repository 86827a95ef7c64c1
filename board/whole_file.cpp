#include "board/whole_file.h"

#include <fstream>
#include <iterator>

namespace mipro::board {

bool WriteWholeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path partial = path;
    partial += ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) return false;
    }
    // Some runtimes refuse to rename over an existing file, so the old one goes first.
    std::error_code error;
    std::filesystem::remove(path, error);
    std::filesystem::rename(partial, path, error);
    return !error;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace mipro::board
