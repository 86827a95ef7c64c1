#include "editions/win32/batch_process.h"

#include <filesystem>

#include "editions/win32/unicode_text.h"

namespace mipro::win32 {

namespace {

constexpr DWORD kSortEndWaitMs = 2000;
constexpr DWORD kSortEndPollMs = 10;

bool FileExists(const std::string& path) { return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(folder, length) : std::wstring();
}

class BatchRun : public SortRun {
public:
    BatchRun(HANDLE process, HANDLE job, std::string doneFile)
        : process_(process), job_(job), done_file_(std::move(doneFile)) {}
    ~BatchRun() override {
        if (!ended_) stop();
        CloseHandle(process_);
    }
    BatchRun(const BatchRun&) = delete;
    BatchRun& operator=(const BatchRun&) = delete;

    // The marker may come between the two tests: it is looked for once more after the end.
    bool hasEnded() override {
        if (ended_) return true;
        if (FileExists(done_file_)) {
            ended_ = succeeded_ = true;
        } else if (WaitForSingleObject(process_, 0) == WAIT_OBJECT_0) {
            ended_ = true;
            succeeded_ = FileExists(done_file_);
        }
        return ended_;
    }
    bool succeeded() override { return succeeded_; }
    void stop() override {
        if (ended_) return;
        if (job_) {
            EndJobProcesses(job_);
        } else {
            TerminateProcess(process_, 1);
            WaitForSingleObject(process_, kSortEndWaitMs);
        }
        ended_ = true;
        succeeded_ = false;
    }

private:
    HANDLE process_;
    HANDLE job_;
    std::string done_file_;
    bool ended_ = false;
    bool succeeded_ = false;
};

class UnpreparedRun : public SortRun {
public:
    bool hasEnded() override { return true; }
    bool succeeded() override { return false; }
    void stop() override {}
};

}  // namespace

HANDLE CreateSortJob() {
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (job) SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof(limits));
    return job;
}

// The job's processes are gone once the job holds none; until then their files stay open.
void EndJobProcesses(HANDLE job) {
    TerminateJobObject(job, 1);
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
    const ULONGLONG start = GetTickCount64();
    while (QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting, sizeof(accounting),
                                     nullptr) &&
           accounting.ActiveProcesses > 0 && GetTickCount64() - start < kSortEndWaitMs) {
        Sleep(kSortEndPollMs);
    }
}

// The shell starts in the batch's own folder and is handed the bare file name ("MPR1A2B.BAT"), so
// no blank, '&', '%' or foreign letter of the folder passes through the shell's command line.
// The shell is the system's own, not whatever cmd.exe the search path finds first; /d keeps
// AutoRun commands out.
HANDLE StartBatch(const std::string& batchFile, HANDLE job) {
    const std::filesystem::path batch(Widen(batchFile));
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
    if (job) AssignProcessToJobObject(job, info.hProcess);
    ResumeThread(info.hThread);
    CloseHandle(info.hThread);
    return info.hProcess;
}

std::unique_ptr<SortRun> BatchSortRun(HANDLE process, HANDLE job, std::string doneFile) {
    return std::make_unique<BatchRun>(process, job, std::move(doneFile));
}

std::unique_ptr<SortRun> UnpreparedSortRun() { return std::make_unique<UnpreparedRun>(); }

}  // namespace mipro::win32
