#include "drawing/pixel_list_reader.h"

#include "base/utf8_path.h"

namespace mipro {

PixelListReader::PixelListReader(const std::string& path) {
    if (!path.empty()) in_.open(Utf8Path(path), std::ios::binary);
}

bool PixelListReader::next(std::string& line) {
    if (!std::getline(in_, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

}  // namespace mipro
