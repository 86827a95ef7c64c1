#include "editions/linux/linux_files.h"

#include <dirent.h>
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
// mkdtemp replaces the X's; the folder is made with mode 0700.
const char* const kFolderPattern = "mipro-XXXXXX";
const char* const kTempExtension = ".TMP";
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

// The folder the work files may go into: $TMPDIR when it names a directory, else /tmp.
std::string SharedTempFolder() {
    const char* dir = std::getenv("TMPDIR");
    if (dir && *dir && IsDirectory(dir)) return WithSlash(dir);
    return kFallbackTempDir;
}

// Removes every entry of the folder, then the folder. Only this program writes into it (mode
// 0700), and it makes no folders there.
void RemoveFolder(const std::string& folder) {
    if (DIR* entries = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(entries)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") unlinkat(dirfd(entries), name.c_str(), 0);
        }
        closedir(entries);
    }
    rmdir(folder.c_str());
}

}  // namespace

LinuxFiles::LinuxFiles() : LinuxFiles(FirstUnique()) {}

LinuxFiles::LinuxFiles(unsigned firstUnique) : next_unique_(firstUnique) {}

LinuxFiles::~LinuxFiles() {
    stopSorts();
    removeSortFiles();
}

std::string LinuxFiles::tempPath() {
    if (!folder_.empty()) return folder_;
    std::string pattern = SharedTempFolder() + kFolderPattern;
    if (mkdtemp(pattern.data()) == nullptr) return pattern + "/";
    folder_ = pattern + "/";
    return folder_;
}

// A name taken first (by a file, or by a link that is not followed) is passed over; any other
// failure ends the search.
std::string LinuxFiles::tempFileName(const std::string& dir, const std::string& prefix) {
    const std::string stem = WithSlash(dir) + prefix;
    for (unsigned tries = 0; tries < kUniqueNames; ++tries) {
        const std::string path = stem + Hex(next_unique_++ % kUniqueNames) + kTempExtension;
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kPrivateFile);
        if (fd >= 0) {
            close(fd);
            return path;
        }
        if (errno != EEXIST && errno != ELOOP) return {};
    }
    return {};
}

bool LinuxFiles::deleteFile(const std::string& path) { return unlink(path.c_str()) == 0; }

std::unique_ptr<SortRun> LinuxFiles::startSort(const std::string& pixFile, const std::string& sortFile) {
    std::erase_if(sorts_, [](const std::weak_ptr<SortChild>& sort) { return sort.expired(); });
    std::shared_ptr<SortChild> sort = StartSort(pixFile, sortFile);
    if (!sort) return nullptr;
    sorts_.push_back(sort);
    return SortChildRun(std::move(sort));
}

void LinuxFiles::stopSorts() {
    for (const std::weak_ptr<SortChild>& started : sorts_) {
        if (const std::shared_ptr<SortChild> sort = started.lock()) sort->end();
    }
}

void LinuxFiles::removeSortFiles() {
    if (folder_.empty()) return;
    RemoveFolder(folder_);
    folder_.clear();
}

}  // namespace mipro::linux_x11
