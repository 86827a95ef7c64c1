// UTF-8 (the core's strings) to UTF-16 (the Win32 W functions) and back.
#pragma once

#include <optional>
#include <string>

namespace mipro::win32 {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);

// The text in the code page codePage (65001 for UTF-8, 932 Japanese, 437 US), or nothing when a
// letter has no place in it: a path written with a stand-in letter would name another file.
std::optional<std::string> InCodePage(const std::string& utf8, unsigned codePage);

}  // namespace mipro::win32
