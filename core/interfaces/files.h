// Temporary files, the few file operations the core needs, and the sort of the pixel list in a
// process of its own.
#pragma once

#include <memory>
#include <string>

namespace mipro {

// One sort of the pixel list: its lines written in plain character (byte) order to the sorted
// file by the system's sort, in a process of its own. Destroying a run that has not ended stops it.
class SortRun {
public:
    virtual ~SortRun() = default;
    // Whether the sort has ended, having sorted or not; the core polls it while events run.
    virtual bool hasEnded() = 0;
    // Whether it ended having written the sorted file; false while it runs.
    virtual bool succeeded() = 0;
    // Ends the sort and whatever it started, when it still runs, and waits a moment for them to
    // let go of their files. It then counts as ended without success.
    virtual void stop() = 0;
};

class Files {
public:
    virtual ~Files() = default;
    // The folder the work files go into, with its trailing separator: the temporary folder
    // (Windows), or a folder made for this run alone inside it (Linux).
    virtual std::string tempPath() = 0;
    // Creates a new empty file "<dir><prefix><hex>.TMP" and returns its path; empty on failure.
    virtual std::string tempFileName(const std::string& dir, const std::string& prefix) = 0;
    virtual bool deleteFile(const std::string& path) = 0;
    // Starts the sort of pixFile into sortFile, hidden, without waiting for it; null when the
    // program that runs it could not be started (the command shell on Windows, sort on Linux).
    virtual std::unique_ptr<SortRun> startSort(const std::string& pixFile, const std::string& sortFile) = 0;
    // Ends every sort still running, as SortRun::stop does.
    virtual void stopSorts() = 0;
    // Removes whatever the edition made for its sorts beside the core's files: the batch file,
    // its PIF name and the marker on Windows, the run's own folder on Linux. Called last when the
    // main window unloads, after the core has deleted its files.
    virtual void removeSortFiles() = 0;
};

}  // namespace mipro
