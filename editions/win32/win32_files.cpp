#include "editions/win32/win32_files.h"

#include <windows.h>

#include <filesystem>
#include <optional>

#include "editions/win32/unicode_text.h"

namespace mipro::win32 {

namespace {

constexpr DWORD kPathBufferChars = 32768;

// A process handle that is closed with its owner.
class Win32Process : public Process {
public:
    explicit Win32Process(HANDLE process) : process_(process) {}
    ~Win32Process() override { CloseHandle(process_); }
    Win32Process(const Win32Process&) = delete;
    Win32Process& operator=(const Win32Process&) = delete;

    bool hasEnded() override { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }

private:
    HANDLE process_;
};

std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(folder, length) : std::wstring();
}

constexpr DWORD kSortEndWaitMs = 2000;
constexpr DWORD kSortEndPollMs = 10;

HANDLE CreateSortJob() {
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (job) SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof(limits));
    return job;
}

}  // namespace

Win32Files::Win32Files() : sorts_(CreateSortJob()) {}

Win32Files::~Win32Files() {
    if (sorts_) CloseHandle(sorts_);
}

std::string Win32Files::tempPath() {
    std::wstring path(kPathBufferChars, L'\0');
    const DWORD length = GetTempPathW(kPathBufferChars, path.data());
    path.resize(length);
    return Narrow(path);
}

std::string Win32Files::tempFileName(const std::string& dir, const std::string& prefix) {
    std::wstring path(kPathBufferChars, L'\0');
    if (GetTempFileNameW(Widen(dir).c_str(), Widen(prefix).c_str(), 0, path.data()) == 0) return {};
    return Narrow(path.c_str());
}

bool Win32Files::fileExists(const std::string& path) {
    return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32Files::renameFile(const std::string& from, const std::string& to) {
    return MoveFileW(Widen(from).c_str(), Widen(to).c_str()) != 0;
}

bool Win32Files::deleteFile(const std::string& path) { return DeleteFileW(Widen(path).c_str()) != 0; }

std::string Win32Files::shortPathName(const std::string& path) {
    std::wstring shortPath(kPathBufferChars, L'\0');
    const DWORD length = GetShortPathNameW(Widen(path).c_str(), shortPath.data(), kPathBufferChars);
    if (length == 0 || length >= kPathBufferChars) return path;
    shortPath.resize(length);
    return Narrow(shortPath);
}

bool Win32Files::writeShellScript(const std::string& path, const std::vector<std::string>& lines) {
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

// The job's batch file does the sort: the shell starts in the batch's own folder and is handed the bare file name ("MPR1A2B.BAT"), so
// no blank, '&', '%' or foreign letter of the folder passes through the shell's command line.
// The shell is the system's own, not whatever cmd.exe the search path finds first; /d keeps
// AutoRun commands out.
std::unique_ptr<Process> Win32Files::runSort(const SortJob& job) {
    const std::filesystem::path batch(Widen(job.batchFile));
    const std::wstring system = SystemFolder();
    if (system.empty() || !batch.has_parent_path()) return nullptr;
    const std::wstring shell = system + L"\\cmd.exe";
    const std::wstring folder = batch.parent_path().wstring();
    std::wstring commandLine = L"cmd.exe /d /c " + batch.filename().wstring();

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION info{};
    // Started suspended, so it is in the job before it can start anything of its own.
    if (!CreateProcessW(shell.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW | CREATE_SUSPENDED,
                        nullptr, folder.c_str(), &startup, &info)) {
        return nullptr;
    }
    if (sorts_) AssignProcessToJobObject(sorts_, info.hProcess);
    ResumeThread(info.hThread);
    CloseHandle(info.hThread);
    return std::make_unique<Win32Process>(info.hProcess);
}

void Win32Files::stopSorts() {
    if (!sorts_) return;
    TerminateJobObject(sorts_, 1);
    // The job's processes are gone once the job holds none; until then their files stay open.
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
    const ULONGLONG start = GetTickCount64();
    while (QueryInformationJobObject(sorts_, JobObjectBasicAccountingInformation, &accounting, sizeof(accounting),
                                     nullptr) &&
           accounting.ActiveProcesses > 0 && GetTickCount64() - start < kSortEndWaitMs) {
        Sleep(kSortEndPollMs);
    }
}

}  // namespace mipro::win32
