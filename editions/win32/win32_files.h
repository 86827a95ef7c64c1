// Temporary files, file operations and the hidden command-shell process.
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
    bool fileExists(const std::string& path) override;
    bool renameFile(const std::string& from, const std::string& to) override;
    bool deleteFile(const std::string& path) override;
    std::string shortPathName(const std::string& path) override;
    bool writeShellScript(const std::string& path, const std::vector<std::string>& lines) override;
    std::unique_ptr<Process> runSort(const SortJob& job) override;
    void stopSorts() override;

private:
    // Every sort runs in this job, with the programs its batch starts, so that all of them can be
    // ended together; closing the job (the program ends) ends them too.
    HANDLE sorts_;
};

}  // namespace mipro::win32
