// UTF-8 (the core's strings) to UTF-16 (the Win32 W functions) and back.
#pragma once

#include <string>

namespace mipro::win32 {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);

}  // namespace mipro::win32
