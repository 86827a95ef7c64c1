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

bool IsDirectory(const char* path) {
    struct stat info {};
    return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

std::string LockPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime && IsDirectory(runtime)) return std::string(runtime) + kRuntimeLockName;
    return kSharedLockStem + std::to_string(getuid()) + kSharedLockExtension;
}

// The lock's file stays open, and so locked, for the rest of the process.
int g_lockFile = -1;

}  // namespace

ProgramVersion ReadProgramVersion() { return {MIPRO_VERSION_MAJOR, MIPRO_VERSION_MINOR, MIPRO_VERSION_PATCH}; }

std::string ProgramFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink(kOwnExecutable, error);
    return error ? std::string() : exe.parent_path().string();
}

bool ClaimSingleInstance() {
    if (g_lockFile >= 0) return true;
    const int fd = open(LockPath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, kPrivateFile);
    if (fd < 0) return true;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool heldElsewhere = errno == EWOULDBLOCK;
        close(fd);
        return !heldElsewhere;
    }
    g_lockFile = fd;
    return true;
}

}  // namespace mipro::linux_x11
