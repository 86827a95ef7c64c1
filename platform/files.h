// Temporary files, file operations and the hidden command-shell process.
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
    // Runs a batch file through the command shell, hidden, without waiting; null on failure.
    virtual std::unique_ptr<Process> runHidden(const std::string& batchFile) = 0;
};

}  // namespace mipro
