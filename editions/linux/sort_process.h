// The sort of the pixel list by the system's coreutils sort, in a process of its own.
#pragma once

#include <sys/types.h>

#include <memory>
#include <string>

#include "interfaces/files.h"

namespace mipro::linux_x11 {

// One sort process, from its start until it has been reaped; ended with its last owner.
class SortChild {
public:
    explicit SortChild(pid_t pid) : pid_(pid) {}
    ~SortChild() { end(); }
    SortChild(const SortChild&) = delete;
    SortChild& operator=(const SortChild&) = delete;

    // Whether it has ended; the call that finds it ended reaps it.
    bool hasEnded();
    // Whether it ended by exiting with status 0.
    bool succeeded() const { return succeeded_; }
    // Ends it, when it still runs, and reaps it: SIGTERM, and SIGKILL when it is still there
    // after a moment. A sort ended so has not succeeded.
    void end();

private:
    bool waitForEnd();

    pid_t pid_;
    bool ended_ = false;
    bool succeeded_ = false;
};

// Starts `sort -o SORTFILE -- PIXFILE`, found on the search path and run without a shell, so no
// character of the paths is read as shell syntax. It sorts in plain byte order (LC_ALL=C,
// whatever the user's locale), with the rest of the environment as the program's and no terminal
// (standard input and output on /dev/null). Null when it could not be started.
std::shared_ptr<SortChild> StartSort(const std::string& pixFile, const std::string& sortFile);

// The sort as the core polls it: it has succeeded when it exited with status 0. Destroying it
// while the sort runs ends the sort.
std::unique_ptr<SortRun> SortChildRun(std::shared_ptr<SortChild> sort);

}  // namespace mipro::linux_x11
