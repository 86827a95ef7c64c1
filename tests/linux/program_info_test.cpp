// What the program knows of itself: its folder, and the lock that keeps a second instance out.
#include "editions/linux/program_info.h"

#include <gtest/gtest.h>
#include <sys/file.h>

#include <fcntl.h>
#include <unistd.h>

#include "linux_test_support.h"

namespace mipro::testing {

namespace {

using linux_x11::ClaimSingleInstance;
using linux_x11::ProgramFolder;

bool TryLock(const std::string& path, int& fd) {
    fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    return fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0;
}

// One test, as the lock is the process's once it has it.
TEST(ProgramInfo, TheSingleInstanceLockIsRefusedWhileHeldAndThenKept) {
    TempDir runtime;
    const ScopedEnv xdg("XDG_RUNTIME_DIR", runtime.path());
    const std::string lock = runtime.path() + "mipro.lock";

    int other = -1;
    ASSERT_TRUE(TryLock(lock, other)) << "another instance";
    EXPECT_FALSE(ClaimSingleInstance());
    close(other);

    EXPECT_TRUE(ClaimSingleInstance());
    EXPECT_TRUE(ClaimSingleInstance()) << "claiming again keeps it";
    int later = -1;
    EXPECT_FALSE(TryLock(lock, later)) << "a later instance must find the lock taken";
    close(later);
}

}  // namespace

}  // namespace mipro::testing
