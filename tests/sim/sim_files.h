// Files in a real directory of the test's own; the system's sort is simulated.
#pragma once

#include <string>

#include "interfaces/files.h"

namespace mipro::sim {

// How the simulated sort behaves; a test changes it to play a broken system.
struct SimSorter {
    bool starts = true;        // false: the sort cannot be started at all
    bool succeeds = true;      // false: it ends having written nothing, and says so
    int sortDropsLines = 0;    // it writes this many lines fewer than it read, and says it succeeded
    int pollsBeforeEnd = 0;    // it answers "not ended" this many times first
};

class SimFiles : public Files {
public:
    // tempDir: an existing directory, with or without its trailing separator.
    explicit SimFiles(std::string tempDir);

    std::string tempPath() override { return temp_dir_; }
    std::string tempFileName(const std::string& dir, const std::string& prefix) override;
    bool deleteFile(const std::string& path) override;
    // The sort takes effect when a poll finds it ended.
    std::unique_ptr<SortRun> startSort(const std::string& pixFile, const std::string& sortFile) override;
    void stopSorts() override { ++sortsStopped; }
    void removeSortFiles() override { ++sortFilesRemoved; }

    bool fileExists(const std::string& path);

    SimSorter sorter;
    int sortsStarted = 0;
    int sortsStopped = 0;  // calls of stopSorts
    int runsStopped = 0;   // runs stopped one by one (SortRun::stop)
    int sortFilesRemoved = 0;

private:
    std::string temp_dir_;
    unsigned next_unique_ = 0x1A2B;
};

}  // namespace mipro::sim
