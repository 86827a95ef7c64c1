// Temporary files, file operations and the sort of the pixel list by the command shell.
#pragma once

#include <windows.h>

#include "interfaces/files.h"

namespace mipro::win32 {

class Win32Files : public Files {
public:
    Win32Files();
    ~Win32Files() override;
    Win32Files(const Win32Files&) = delete;
    Win32Files& operator=(const Win32Files&) = delete;

    std::string tempPath() override;
    std::string tempFileName(const std::string& dir, const std::string& prefix) override;
    bool deleteFile(const std::string& path) override;
    // Writes the batch file (editions/win32/sort_batch.h), deletes the marker and runs the batch
    // hidden through the command shell.
    std::unique_ptr<SortRun> startSort(const std::string& pixFile, const std::string& sortFile) override;
    void stopSorts() override;
    // Deletes the batch file, the file of its PIF name and the marker.
    void removeSortFiles() override;

private:
    // Makes BatFile, PifFile and DoneFile unless they are made already; false, with none of
    // them left, when a name could not be made.
    bool makeBatchNames();

    // The batch file, the PIF name beside it (never written, deleted all the same) and the
    // marker the batch re-creates once the sort has written the sorted file. Made at the first
    // sort, they serve every later one.
    std::string BatFile, PifFile, DoneFile;
    // Every sort runs in this job, with the programs its batch starts, so that all of them can be
    // ended together; closing the job (the program ends) ends them too.
    HANDLE sorts_;
};

}  // namespace mipro::win32
