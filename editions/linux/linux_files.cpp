#include "editions/linux/linux_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "editions/linux/sort_process.h"

namespace mipro::linux_x11 {

namespace {

const char* const kFallbackTempDir = "/tmp/";
const char* const kTempExtension = ".TMP";
const char* const kLineEnd = "\r\n";
// The unique part of a temporary name is four hex digits at most, as on Windows.
constexpr unsigned kUniqueNames = 0x10000;
constexpr mode_t kPrivateFile = 0600;

bool IsDirectory(const char* path) {
    struct stat info {};
    return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

std::string WithSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

std::string Hex(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", value);
    return text;
}

// Names made by two runs at once start apart.
unsigned FirstUnique() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<unsigned>(getpid()) ^ static_cast<unsigned>(now.tv_nsec);
}

bool WriteAll(int fd, const std::string& text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

LinuxFiles::LinuxFiles() : next_unique_(FirstUnique()) {}

std::string LinuxFiles::tempPath() {
    const char* dir = std::getenv("TMPDIR");
    if (dir && *dir && IsDirectory(dir)) return WithSlash(dir);
    return kFallbackTempDir;
}

// A name another process made first is passed over; any other failure ends the search.
std::string LinuxFiles::tempFileName(const std::string& dir, const std::string& prefix) {
    const std::string stem = WithSlash(dir) + prefix;
    for (unsigned tries = 0; tries < kUniqueNames; ++tries) {
        const std::string path = stem + Hex(next_unique_++ % kUniqueNames) + kTempExtension;
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kPrivateFile);
        if (fd >= 0) {
            close(fd);
            return path;
        }
        if (errno != EEXIST) return {};
    }
    return {};
}

bool LinuxFiles::fileExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0;
}

// File systems that cannot rename without replacing get a hard link, which fails on an existing
// target just the same, and the old name is then removed.
bool LinuxFiles::renameFile(const std::string& from, const std::string& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    return link(from.c_str(), to.c_str()) == 0 && unlink(from.c_str()) == 0;
}

bool LinuxFiles::deleteFile(const std::string& path) { return unlink(path.c_str()) == 0; }

std::string LinuxFiles::shortPathName(const std::string& path) { return path; }

bool LinuxFiles::writeShellScript(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + kLineEnd;
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kPrivateFile);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, text);
    return close(fd) == 0 && written;
}

std::unique_ptr<Process> LinuxFiles::runSort(const SortJob& job) {
    std::erase_if(sorts_, [](const std::weak_ptr<SortChild>& sort) { return sort.expired(); });
    std::shared_ptr<SortChild> sort = StartSort(job);
    if (!sort) return nullptr;
    sorts_.push_back(sort);
    return SortJobProcess(std::move(sort), job.doneFile);
}

void LinuxFiles::stopSorts() {
    for (const std::weak_ptr<SortChild>& started : sorts_) {
        if (const std::shared_ptr<SortChild> sort = started.lock()) sort->end();
    }
}

}  // namespace mipro::linux_x11
