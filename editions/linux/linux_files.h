// The work files in a folder of the run's own, and the sort of the pixel list by the system's sort.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "interfaces/files.h"

namespace mipro::linux_x11 {

class SortChild;

class LinuxFiles : public Files {
public:
    LinuxFiles();
    // Names are tried from this unique number on (the tests'; otherwise one that differs by run).
    explicit LinuxFiles(unsigned firstUnique);
    // The folder goes with the object, whatever is still in it.
    ~LinuxFiles() override;
    LinuxFiles(const LinuxFiles&) = delete;
    LinuxFiles& operator=(const LinuxFiles&) = delete;

    // A folder made for this run alone (mode 0700) inside $TMPDIR when that names a directory,
    // else inside /tmp, ending in '/'; made on the first call. When it cannot be made, the name
    // it was to have, which holds no file: nothing is then written into the shared folder.
    std::string tempPath() override;
    // Creates the file with O_EXCL | O_NOFOLLOW: a name already taken, by a file or a link, is
    // passed over for the next one.
    std::string tempFileName(const std::string& dir, const std::string& prefix) override;
    bool deleteFile(const std::string& path) override;
    // Starts the system's sort on the files (editions/linux/sort_process.h).
    std::unique_ptr<SortRun> startSort(const std::string& pixFile, const std::string& sortFile) override;
    // Ends every sort started here that still runs, each within a moment (SIGTERM, then SIGKILL).
    void stopSorts() override;
    // Removes the run's folder with anything left in it; a later tempPath makes a new one.
    void removeSortFiles() override;

private:
    unsigned next_unique_;
    std::string folder_;  // empty until made
    // The sorts started, each owned by the run the core polls.
    std::vector<std::weak_ptr<SortChild>> sorts_;
};

}  // namespace mipro::linux_x11
