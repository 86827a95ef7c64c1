// What the program knows of itself: its folder, and the lock that keeps a second instance out.
#include "editions/linux/program_info.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "linux_test_support.h"

namespace mipro::testing {

namespace {

using linux_x11::ClaimSingleInstance;
using linux_x11::ProgramFolder;
using linux_x11::SingleInstance;
using linux_x11::SingleInstanceLockPath;

bool TryLock(const std::string& path, int& fd) {
    fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    return fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0;
}

void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A lock file somebody else has made is never taken, whoever holds it, and is not written: the
// program says so instead of ending silently. Ahead of the test below, which takes the lock.
TEST(ProgramInfo, ALockFileThatIsNotOursIsReportedAndLeftAlone) {
    const struct passwd* nobody = getpwnam("nobody");
    struct Case {
        const char* name;
        std::function<void(const std::string& lock, const std::string& elsewhere)> make;
    };
    const std::vector<Case> cases = {
        {"another user's, held by them",
         [&](const std::string& lock, const std::string&) {
             WriteFile(lock, "theirs");
             ASSERT_NE(nobody, nullptr) << "no user nobody";
             ASSERT_EQ(chown(lock.c_str(), nobody->pw_uid, nobody->pw_gid), 0) << "run as root to hand a file over";
             chmod(lock.c_str(), 0644);
         }},
        {"a link to a file of ours",
         [](const std::string& lock, const std::string& elsewhere) {
             WriteFile(elsewhere, "ours");
             std::filesystem::create_symlink(elsewhere, lock);
         }},
        {"a link to nothing yet",
         [](const std::string& lock, const std::string& elsewhere) { std::filesystem::create_symlink(elsewhere, lock); }},
        {"ours, but others may write it",
         [](const std::string& lock, const std::string&) {
             WriteFile(lock, "theirs");
             chmod(lock.c_str(), 0666);
         }},
        {"ours, but others may read and so lock it",
         [](const std::string& lock, const std::string&) {
             WriteFile(lock, "theirs");
             chmod(lock.c_str(), 0644);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir runtime;
        const ScopedEnv xdg("XDG_RUNTIME_DIR", runtime.path());
        const std::string lock = runtime.path() + "mipro.lock";
        const std::string elsewhere = runtime.path() + "elsewhere";
        c.make(lock, elsewhere);
        ASSERT_EQ(std::filesystem::path(SingleInstanceLockPath()).lexically_normal(), lock);
        const std::string before = Read(lock);
        int holder = open(lock.c_str(), O_RDONLY | O_CLOEXEC);
        if (holder >= 0) flock(holder, LOCK_SH | LOCK_NB);

        EXPECT_EQ(ClaimSingleInstance(), SingleInstance::LockNotOurs);
        EXPECT_EQ(Read(lock), before) << "the file is not written";
        if (holder >= 0) close(holder);
        EXPECT_EQ(ClaimSingleInstance(), SingleInstance::LockNotOurs) << "free, yet still not ours";
    }
}

TEST(ProgramInfo, WithoutARuntimeFolderTheLockIsTheUsersOwnFileInTmp) {
    const ScopedEnv xdg("XDG_RUNTIME_DIR", std::nullopt);
    EXPECT_EQ(SingleInstanceLockPath(), "/tmp/mipro-" + std::to_string(getuid()) + ".lock");
}

// One test, as the lock is the process's once it has it.
TEST(ProgramInfo, TheSingleInstanceLockIsRefusedWhileHeldAndThenKept) {
    TempDir runtime;
    const ScopedEnv xdg("XDG_RUNTIME_DIR", runtime.path());
    const std::string lock = runtime.path() + "mipro.lock";

    int other = -1;
    ASSERT_TRUE(TryLock(lock, other)) << "another instance";
    EXPECT_EQ(ClaimSingleInstance(), SingleInstance::AnotherRuns);
    close(other);

    EXPECT_EQ(ClaimSingleInstance(), SingleInstance::Alone);
    EXPECT_EQ(ClaimSingleInstance(), SingleInstance::Alone) << "claiming again keeps it";
    int later = -1;
    EXPECT_FALSE(TryLock(lock, later)) << "a later instance must find the lock taken";
    close(later);
}

}  // namespace

}  // namespace mipro::testing
