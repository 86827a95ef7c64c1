// The sort batch run hidden by the system's command shell inside a job object, and the run the
// core polls.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "interfaces/files.h"

namespace mipro::win32 {

// A job object whose processes all end when it is closed; null when none could be made.
HANDLE CreateSortJob();

// Ends every process of the job (the shell, the sort it started) and waits a moment until they
// are gone, so that their files are let go.
void EndJobProcesses(HANDLE job);

// Runs the batch file through the system's cmd.exe, hidden, inside the job; the process handle,
// or null when the shell could not be started.
HANDLE StartBatch(const std::string& batchFile, HANDLE job);

// The batch as the core polls it: ended when the marker is back or the shell has ended, and
// succeeded when the marker is back. Stopping it ends the job's processes, so that no marker
// comes back late. It owns `process`.
std::unique_ptr<SortRun> BatchSortRun(HANDLE process, HANDLE job, std::string doneFile);

// A sort whose batch could not be prepared: ended, without success.
std::unique_ptr<SortRun> UnpreparedSortRun();

}  // namespace mipro::win32
