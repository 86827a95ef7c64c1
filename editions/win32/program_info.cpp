#include "editions/win32/program_info.h"

#include <windows.h>

#include <vector>

#include "editions/win32/unicode_text.h"

namespace mipro::win32 {

namespace {

constexpr DWORD kPathBufferChars = 32768;

std::wstring ExePath() {
    std::wstring path(kPathBufferChars, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), kPathBufferChars);
    path.resize(length < kPathBufferChars ? length : 0);
    return path;
}

}  // namespace

ProgramVersion ReadProgramVersion() {
    const std::wstring exe = ExePath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    if (size == 0) return {};
    std::vector<unsigned char> block(size);
    if (!GetFileVersionInfoW(exe.c_str(), 0, size, block.data())) return {};

    VS_FIXEDFILEINFO* info = nullptr;
    UINT infoSize = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &infoSize) || !info) return {};
    return {static_cast<int>(HIWORD(info->dwFileVersionMS)), static_cast<int>(LOWORD(info->dwFileVersionMS)),
            static_cast<int>(HIWORD(info->dwFileVersionLS))};
}

std::string ProgramFolder() {
    const std::wstring exe = ExePath();
    const std::size_t separator = exe.find_last_of(L"\\/");
    return Narrow(separator == std::wstring::npos ? std::wstring() : exe.substr(0, separator));
}

}  // namespace mipro::win32
