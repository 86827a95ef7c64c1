// A UTF-8 path as the file system names it. On Windows the text becomes a wide path, so Japanese
// folder names open whatever the system's code page is.
#pragma once

#include <filesystem>
#include <string>

namespace mipro {

inline std::filesystem::path Utf8Path(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace mipro
