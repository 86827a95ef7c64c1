// Files in a real directory of the test's own; the command shell is simulated.
#pragma once

#include <functional>
#include <string>

#include "platform/files.h"

namespace mipro::sim {

class SimProcess : public Process {
public:
    explicit SimProcess(bool ended) : ended_(ended) {}
    bool hasEnded() override { return ended_; }

private:
    bool ended_;
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
    std::string shortPathName(const std::string& path) override { return path; }
    bool writeShellScript(const std::string& path, const std::vector<std::string>& lines) override;
    std::unique_ptr<Process> runHidden(const std::string& batchFile) override;

    // What the simulated command shell does with a batch file; by default it runs its
    // del, sort and type nul commands. Returns whether the process was started.
    std::function<bool(const std::string& batchFile)> shell;
    int processesStarted = 0;

private:
    std::string temp_dir_;
    unsigned next_unique_ = 0x1A2B;
};

// Runs the batch commands "del", "sort A > B" and "type nul > F" of a batch file.
bool RunBatchCommands(const std::string& batchFile);

}  // namespace mipro::sim
