#include "editions/win32/win32_dialogs.h"

#include <windows.h>
#include <commdlg.h>

#include "editions/win32/unicode_text.h"

namespace mipro::win32 {

namespace {

// Room for long paths ("\\?\" and beyond MAX_PATH).
constexpr DWORD kPathBufferChars = 32768;

// Display text and pattern of each filter, each ended by a NUL, the list ended by a second NUL.
std::wstring FilterList(const std::vector<FileFilter>& filters) {
    std::wstring list;
    for (const FileFilter& f : filters) {
        list += Widen(f.displayText);
        list += L'\0';
        list += Widen(f.pattern);
        list += L'\0';
    }
    list += L'\0';
    return list;
}

}  // namespace

// The message box belongs to the window the user is working in, so it stays in front of it.
int Win32Dialogs::messageBox(const std::string& text, int style, const std::string& title) {
    return MessageBoxW(GetActiveWindow(), Widen(text).c_str(), Widen(title).c_str(), static_cast<UINT>(style));
}

std::optional<std::string> Win32Dialogs::openFile(const OpenFileRequest& request) {
    const std::wstring filters = FilterList(request.filters);
    const std::wstring initialDirectory = Widen(request.initialDirectory);
    std::wstring path(kPathBufferChars, L'\0');

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.lpstrFilter = filters.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(request.filterIndex);
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = kPathBufferChars;
    ofn.lpstrInitialDir = initialDirectory.empty() ? nullptr : initialDirectory.c_str();
    ofn.Flags = OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&ofn)) return std::nullopt;
    return Narrow(path.c_str());
}

}  // namespace mipro::win32
