// Files in a real directory of the test's own; the command shell is simulated.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "interfaces/files.h"

namespace mipro::sim {

// How the simulated command shell behaves; a test changes it to play a broken system.
struct SimShell {
    bool starts = true;        // false: the shell cannot be started at all
    bool runsCommands = true;  // false: the process ends having done nothing
    int sortDropsLines = 0;    // the sort writes this many lines fewer than it read
    int pollsBeforeEnd = 0;    // the process answers "not ended" this many times first
};

class SimFiles : public Files {
public:
    // tempDir: an existing directory, with or without its trailing separator.
    explicit SimFiles(std::string tempDir);

    std::string tempPath() override { return temp_dir_; }
    std::string tempFileName(const std::string& dir, const std::string& prefix) override;
    bool fileExists(const std::string& path) override;
    bool renameFile(const std::string& from, const std::string& to) override;
    bool deleteFile(const std::string& path) override;
    std::string shortPathName(const std::string& path) override;
    bool writeShellScript(const std::string& path, const std::vector<std::string>& lines) override;
    // Runs the job's batch file through the simulated command shell.
    std::unique_ptr<Process> runSort(const SortJob& job) override;
    void stopSorts() override { ++sortsStopped; }

    SimShell shell;
    // Short forms the simulated system has for some long paths.
    std::map<std::string, std::string> shortNames;
    int processesStarted = 0;
    int sortsStopped = 0;

private:
    std::string temp_dir_;
    unsigned next_unique_ = 0x1A2B;
};

// Runs the commands "del F", "sort A > B" and "type nul > F" of a batch file the way the command
// shell reads them: "%%" is one '%', any other '%' starts a variable reference that expands to
// nothing, '&' outside quotation marks separates commands and blanks separate arguments.
void RunBatchCommands(const std::string& batchFile, int sortDropsLines);

}  // namespace mipro::sim
