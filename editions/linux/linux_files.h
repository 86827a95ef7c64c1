// Temporary files, file operations and the sort of the pixel list by the system's sort.
#pragma once

#include <memory>
#include <vector>

#include "interfaces/files.h"

namespace mipro::linux_x11 {

class SortChild;

class LinuxFiles : public Files {
public:
    LinuxFiles();

    // $TMPDIR when it names a directory, else /tmp, ending in '/'.
    std::string tempPath() override;
    std::string tempFileName(const std::string& dir, const std::string& prefix) override;
    bool fileExists(const std::string& path) override;
    bool renameFile(const std::string& from, const std::string& to) override;
    bool deleteFile(const std::string& path) override;
    // Linux has no short form of a path: the path itself.
    std::string shortPathName(const std::string& path) override;
    // The lines as given, in UTF-8, each ended by CR LF: the batch file stays a record of the sort
    // in the command shell's form, though the sort runs without it.
    bool writeShellScript(const std::string& path, const std::vector<std::string>& lines) override;
    // Starts the system's sort on the job's files (editions/linux/sort_process.h).
    std::unique_ptr<Process> runSort(const SortJob& job) override;
    // Ends every sort started here that still runs, each within a moment (SIGTERM, then SIGKILL).
    void stopSorts() override;

private:
    unsigned next_unique_;
    // The sorts started, each owned by the process the core polls.
    std::vector<std::weak_ptr<SortChild>> sorts_;
};

}  // namespace mipro::linux_x11
