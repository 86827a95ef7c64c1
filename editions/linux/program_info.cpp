#include "editions/linux/program_info.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace mipro::linux_x11 {

namespace {

const char* const kOwnExecutable = "/proc/self/exe";
const char* const kRuntimeLockName = "/mipro.lock";
const char* const kSharedLockStem = "/tmp/mipro-";
const char* const kSharedLockExtension = ".lock";
constexpr mode_t kPrivateFile = 0600;

// The lock's file stays open, and so locked, for the rest of the process.
int g_lockFile = -1;

bool IsDirectory(const char* path) {
    struct stat info {};
    return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

// A regular file of this user that no one else may open. The program makes its lock 0600.
bool IsOurPrivateFile(int fd) {
    struct stat info {};
    if (fstat(fd, &info) != 0) return false;
    const bool othersMayOpen = (info.st_mode & (S_IRWXG | S_IRWXO)) != 0;
    return S_ISREG(info.st_mode) && info.st_uid == geteuid() && !othersMayOpen;
}

}  // namespace

std::string SingleInstanceLockPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime && IsDirectory(runtime)) return std::string(runtime) + kRuntimeLockName;
    return kSharedLockStem + std::to_string(getuid()) + kSharedLockExtension;
}


ProgramVersion ReadProgramVersion() { return {MIPRO_VERSION_MAJOR, MIPRO_VERSION_MINOR, MIPRO_VERSION_PATCH}; }

std::string ProgramFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink(kOwnExecutable, error);
    return error ? std::string() : exe.parent_path().string();
}

SingleInstance ClaimSingleInstance() {
    if (g_lockFile >= 0) return SingleInstance::Alone;
    const int fd = open(SingleInstanceLockPath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, kPrivateFile);
    if (fd < 0) {
        // A link (ELOOP), or a file of another user (EACCES); anything else leaves no lock to take.
        const bool notOurs = errno == ELOOP || errno == EACCES;
        return notOurs ? SingleInstance::LockNotOurs : SingleInstance::Alone;
    }
    if (!IsOurPrivateFile(fd)) {
        close(fd);
        return SingleInstance::LockNotOurs;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool heldElsewhere = errno == EWOULDBLOCK;
        close(fd);
        return heldElsewhere ? SingleInstance::AnotherRuns : SingleInstance::Alone;
    }
    g_lockFile = fd;
    return SingleInstance::Alone;
}

}  // namespace mipro::linux_x11
