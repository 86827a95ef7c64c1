#include "editions/win32/sort_batch.h"

#include <windows.h>

#include <optional>

#include "editions/win32/unicode_text.h"

namespace mipro::win32 {

namespace {

constexpr DWORD kPathBufferChars = 32768;
const char* const kSortExe = "\\sort.exe";

std::string ShortPathName(const std::string& path) {
    std::wstring shortPath(kPathBufferChars, L'\0');
    const DWORD length = GetShortPathNameW(Widen(path).c_str(), shortPath.data(), kPathBufferChars);
    if (length == 0 || length >= kPathBufferChars) return path;
    shortPath.resize(length);
    return Narrow(shortPath);
}

}  // namespace

std::string BatchArgument(const std::string& path) {
    std::string quoted = "\"";
    for (char c : path) {
        quoted += c;
        if (c == '%') quoted += '%';
    }
    return quoted + "\"";
}

std::vector<std::string> SortBatchLines(const std::string& doneFile, const std::string& pixFile,
                                        const std::string& sortFile, const std::string& sortProgram) {
    return {
        "del " + BatchArgument(doneFile),
        BatchArgument(sortProgram) + " " + BatchArgument(pixFile) + " > " + BatchArgument(sortFile),
        "type nul > " + BatchArgument(doneFile),
    };
}

std::string SystemSortProgram() {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return Narrow(std::wstring(folder, length)) + kSortExe;
}

std::string WithShortFolder(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    if (slash == std::string::npos) return path;
    return ShortPathName(path.substr(0, slash + 1)) + path.substr(slash + 1);
}

bool WriteBatchFile(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        // The command shell reads a batch file in the console's code page, the OEM one.
        const std::optional<std::string> encoded = InCodePage(line, GetOEMCP());
        if (!encoded) return false;
        text += *encoded + "\r\n";
    }

    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == text.size();
}

}  // namespace mipro::win32
