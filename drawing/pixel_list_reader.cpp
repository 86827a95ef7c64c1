#include "drawing/pixel_list_reader.h"

#include <filesystem>

namespace mipro {

namespace {

// The path as the file system names it, so that non-ASCII folders open on every system locale.
std::filesystem::path FromUtf8(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

}  // namespace

PixelListReader::PixelListReader(const std::string& path) {
    if (!path.empty()) in_.open(FromUtf8(path), std::ios::binary);
}

bool PixelListReader::next(std::string& line) {
    if (!std::getline(in_, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

}  // namespace mipro
