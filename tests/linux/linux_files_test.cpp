// The work files of the Linux edition: the run's own folder inside the temporary folder, the
// names made in it, and the folder's removal.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <set>

#include "linux_test_support.h"
#include "editions/linux/linux_files.h"

namespace mipro::testing {

namespace {

using linux_x11::LinuxFiles;

constexpr mode_t kOwnerOnly = 0700;

std::string Escaped(const std::string& text) {
    return std::regex_replace(text, std::regex(R"([.^$|()\[\]{}*+?\\])"), R"(\$&)");
}

bool Exists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

struct TempPathCase {
    const char* label;
    std::optional<std::string> tmpdir;  // "<dir>" stands for an existing directory
    bool expectTheDirectory;
};

class TempPath : public ::testing::TestWithParam<TempPathCase> {};

// The folder is the run's own: a new folder, readable by its owner alone, inside $TMPDIR when
// that is a directory, else inside /tmp.
TEST_P(TempPath, IsAFolderOfTheRunsOwnInsideTmpdirOrTmp) {
    const TempPathCase c = GetParam();
    TempDir dir;
    const std::string existing = dir.path().substr(0, dir.path().size() - 1);  // without its '/'
    std::optional<std::string> value = c.tmpdir;
    if (value) value = std::regex_replace(*value, std::regex("<dir>"), existing);
    WriteWholeFile(existing + "/plain-file", "x");
    const ScopedEnv tmpdir("TMPDIR", value);

    LinuxFiles files;
    const std::string folder = files.tempPath();
    const std::string parent = c.expectTheDirectory ? existing + "/" : "/tmp/";
    EXPECT_TRUE(std::regex_match(folder, std::regex(Escaped(parent) + "mipro-[A-Za-z0-9]{6}/"))) << folder;
    struct stat info {};
    ASSERT_EQ(lstat(folder.c_str(), &info), 0) << folder;
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 07777, kOwnerOnly);
    EXPECT_EQ(info.st_uid, getuid());
    EXPECT_EQ(files.tempPath(), folder) << "one folder for the run";

    files.removeSortFiles();
    EXPECT_FALSE(Exists(folder));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TempPath,
    ::testing::Values(TempPathCase{"Unset", std::nullopt, false}, TempPathCase{"Empty", "", false},
                      TempPathCase{"Directory", "<dir>", true}, TempPathCase{"DirectoryWithSlash", "<dir>/", true},
                      TempPathCase{"Missing", "<dir>/missing", false},
                      TempPathCase{"AFileNotADirectory", "<dir>/plain-file", false}),
    [](const auto& info) { return std::string(info.param.label); });

class WorkFolder : public ::testing::Test {
protected:
    TempDir shared;
    ScopedEnv tmpdir{"TMPDIR", shared.path()};
};

TEST_F(WorkFolder, NamesAreNewEmptyFilesOfTheWindowsPatternInTheFolder) {
    LinuxFiles files;
    const std::string folder = files.tempPath();
    std::set<std::string> names;
    const std::regex pattern(Escaped(folder) + "MPR[0-9A-F]{1,4}\\.TMP");
    for (int i = 0; i < 40; ++i) {
        const std::string name = files.tempFileName(folder, "MPR");
        ASSERT_TRUE(std::regex_match(name, pattern)) << name;
        struct stat info {};
        ASSERT_EQ(lstat(name.c_str(), &info), 0) << name;
        EXPECT_TRUE(S_ISREG(info.st_mode));
        EXPECT_EQ(info.st_size, 0);
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 40u);
}

// The first names are taken, by links to a file of the user's and by a file: no link is followed,
// the file keeps its bytes, and the first free name is handed out.
TEST_F(WorkFolder, ALinkAtANameIsNotFollowedAndTheNameIsPassedOver) {
    constexpr unsigned kFirst = 0x1A20, kTaken = 16;
    LinuxFiles files(kFirst);
    const std::string folder = files.tempPath();
    const std::string victim = shared.path() + "victim";
    WriteWholeFile(victim, std::string(1400, 'v'));
    auto name = [&](unsigned unique) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%X", unique);
        return folder + "MPR" + hex + ".TMP";
    };
    for (unsigned unique = kFirst; unique < kFirst + kTaken - 1; ++unique) {
        ASSERT_EQ(symlink(victim.c_str(), name(unique).c_str()), 0);
    }
    WriteWholeFile(name(kFirst + kTaken - 1), "taken");

    const std::string made = files.tempFileName(folder, "MPR");

    EXPECT_EQ(made, name(kFirst + kTaken));
    EXPECT_EQ(ReadWholeFile(victim), std::string(1400, 'v'));
    EXPECT_EQ(ReadWholeFile(name(kFirst + kTaken - 1)), "taken");
    struct stat info {};
    ASSERT_EQ(lstat(made.c_str(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_EQ(info.st_size, 0);
}

// The folder goes with whatever is left in it, links included (not what they point to), when the
// window unloads and when the files object ends.
TEST_F(WorkFolder, IsRemovedWithEverythingInItOnEveryWayOut) {
    const std::string kept = shared.path() + "kept";
    WriteWholeFile(kept, "x");
    std::string first, second;
    {
        LinuxFiles files;
        first = files.tempPath();
        files.tempFileName(first, "MPR");
        ASSERT_EQ(symlink(kept.c_str(), (first + "link").c_str()), 0);
        files.removeSortFiles();
        EXPECT_FALSE(Exists(first));

        second = files.tempPath();
        EXPECT_NE(second, first) << "a new folder after the old one went";
        files.tempFileName(second, "MPR");
    }
    EXPECT_FALSE(Exists(second));
    EXPECT_EQ(ReadWholeFile(kept), "x");
    std::size_t left = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(shared.path())) ++left;
    EXPECT_EQ(left, 1u) << "only the test's own file is left";
}

// Where the folder cannot be made, no work file goes into the shared folder instead.
TEST_F(WorkFolder, WithoutTheFolderNoFileIsMade) {
    ASSERT_EQ(chmod(shared.path().c_str(), 0500), 0);
    if (access(shared.path().c_str(), W_OK) == 0) GTEST_SKIP() << "root writes anywhere";
    LinuxFiles files;
    const std::string folder = files.tempPath();
    EXPECT_EQ(folder.rfind(shared.path(), 0), 0u) << folder;
    EXPECT_TRUE(files.tempFileName(folder, "MPR").empty());
    chmod(shared.path().c_str(), 0700);
}

}  // namespace

}  // namespace mipro::testing
