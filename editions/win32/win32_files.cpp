#include "editions/win32/win32_files.h"

#include <windows.h>

#include "editions/win32/batch_process.h"
#include "editions/win32/sort_batch.h"
#include "editions/win32/unicode_text.h"

namespace mipro::win32 {

namespace {

constexpr DWORD kPathBufferChars = 32768;
const char* const kPrefix = "MPR";
constexpr std::size_t kExtensionLetters = 3;

std::string WithExtension(const std::string& name, const std::string& extension) {
    return name.substr(0, name.size() - kExtensionLetters) + extension;
}

bool FileExists(const std::string& path) { return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

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

bool Win32Files::deleteFile(const std::string& path) { return DeleteFileW(Widen(path).c_str()) != 0; }

// A new temporary file moved to the batch name; a file left under that name (by an earlier run
// that was killed, say) is removed first, as the move would fail on it.
bool Win32Files::makeBatchNames() {
    if (!DoneFile.empty()) return true;
    const std::string made = tempFileName(tempPath(), kPrefix);
    if (made.empty()) return false;
    const std::string batch = WithExtension(made, "BAT");
    if (FileExists(batch)) deleteFile(batch);
    if (!MoveFileW(Widen(made).c_str(), Widen(batch).c_str())) {
        deleteFile(made);
        return false;
    }
    BatFile = batch;
    PifFile = WithExtension(batch, "PIF");
    DoneFile = tempFileName(tempPath(), kPrefix);
    if (DoneFile.empty()) removeSortFiles();
    return !DoneFile.empty();
}

// Short names are asked for while all three files exist. The marker is deleted before the batch
// starts, so the wait cannot take one left from before for the end of this sort.
std::unique_ptr<SortRun> Win32Files::startSort(const std::string& pixFile, const std::string& sortFile) {
    const std::string sortProgram = SystemSortProgram();
    if (sortProgram.empty()) return nullptr;
    if (!makeBatchNames()) return UnpreparedSortRun();
    const std::vector<std::string> lines = SortBatchLines(WithShortFolder(DoneFile), WithShortFolder(pixFile),
                                                          WithShortFolder(sortFile), WithShortFolder(sortProgram));
    if (!WriteBatchFile(BatFile, lines)) return UnpreparedSortRun();
    deleteFile(DoneFile);
    if (FileExists(DoneFile)) return UnpreparedSortRun();

    HANDLE process = StartBatch(BatFile, sorts_);
    if (!process) return nullptr;
    return BatchSortRun(process, sorts_, DoneFile);
}

void Win32Files::stopSorts() {
    if (sorts_) EndJobProcesses(sorts_);
}

void Win32Files::removeSortFiles() {
    for (std::string* file : {&BatFile, &PifFile, &DoneFile}) {
        if (!file->empty()) deleteFile(*file);
        file->clear();
    }
}

}  // namespace mipro::win32
