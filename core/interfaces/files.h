// Temporary files, file operations and the sort of the pixel list in a process of its own.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace mipro {

class Process {
public:
    virtual ~Process() = default;
    virtual bool hasEnded() = 0;
};

// The sort of the pixel list, done in a separate process: the marker is removed, the lines of the
// pixel list are written in plain character (byte) order to the sorted file, and only then is the
// marker created again, empty. The batch file holds those three commands for the command shell.
struct SortJob {
    std::string batchFile;
    std::string pixFile;
    std::string sortFile;
    std::string doneFile;
};

class Files {
public:
    virtual ~Files() = default;
    // The temporary directory with its trailing separator (GetTempPath).
    virtual std::string tempPath() = 0;
    // Creates a new empty file "<dir><prefix><hex>.TMP" and returns its path; empty on failure.
    virtual std::string tempFileName(const std::string& dir, const std::string& prefix) = 0;
    virtual bool fileExists(const std::string& path) = 0;
    // Fails when the target exists.
    virtual bool renameFile(const std::string& from, const std::string& to) = 0;
    virtual bool deleteFile(const std::string& path) = 0;
    // The short (8.3) form of an existing path where the system has one, else the path itself.
    virtual std::string shortPathName(const std::string& path) = 0;
    // Writes lines ending in CR LF, encoded in the code page the command shell reads.
    virtual bool writeShellScript(const std::string& path, const std::vector<std::string>& lines) = 0;
    // Starts the sort, hidden, without waiting for it (Windows runs the job's batch file through
    // the command shell); null when it could not be started.
    virtual std::unique_ptr<Process> runSort(const SortJob& job) = 0;
    // Ends every sort still running and waits a moment for it to let go of its files.
    virtual void stopSorts() = 0;
};

}  // namespace mipro
