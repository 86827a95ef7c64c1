// The file operations of the Linux edition: the temporary folder and names, renaming without
// replacing, and the batch record's bytes.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <regex>
#include <set>

#include "linux_test_support.h"
#include "editions/linux/linux_files.h"

namespace mipro::testing {

namespace {

using linux_x11::LinuxFiles;

struct TempPathCase {
    const char* label;
    std::optional<std::string> tmpdir;  // "<dir>" stands for an existing directory
    bool expectTheDirectory;
};

class TempPath : public ::testing::TestWithParam<TempPathCase> {};

TEST_P(TempPath, IsTmpdirWhenADirectoryElseTmp) {
    const TempPathCase c = GetParam();
    TempDir dir;
    const std::string existing = dir.path().substr(0, dir.path().size() - 1);  // without its '/'
    std::optional<std::string> value = c.tmpdir;
    if (value) value = std::regex_replace(*value, std::regex("<dir>"), existing);
    WriteWholeFile(existing + "/plain-file", "x");
    const ScopedEnv tmpdir("TMPDIR", value);

    LinuxFiles files;
    EXPECT_EQ(files.tempPath(), c.expectTheDirectory ? existing + "/" : "/tmp/");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TempPath,
    ::testing::Values(TempPathCase{"Unset", std::nullopt, false}, TempPathCase{"Empty", "", false},
                      TempPathCase{"Directory", "<dir>", true}, TempPathCase{"DirectoryWithSlash", "<dir>/", true},
                      TempPathCase{"Missing", "<dir>/missing", false},
                      TempPathCase{"AFileNotADirectory", "<dir>/plain-file", false}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(TempFileName, MakesNewEmptyFilesOfTheWindowsPattern) {
    TempDir dir;
    LinuxFiles files;
    std::set<std::string> names;
    const std::regex pattern(std::regex_replace(dir.path(), std::regex(R"([.^$|()\[\]{}*+?\\])"), R"(\$&)") +
                             "MPR[0-9A-F]{1,4}\\.TMP");
    for (int i = 0; i < 40; ++i) {
        const std::string name = files.tempFileName(dir.path(), "MPR");
        ASSERT_TRUE(std::regex_match(name, pattern)) << name;
        struct stat info {};
        ASSERT_EQ(stat(name.c_str(), &info), 0) << name;
        EXPECT_EQ(info.st_size, 0);
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 40u);
}

TEST(RenameFile, RefusesAnExistingTargetAndLeavesBothFiles) {
    TempDir dir;
    LinuxFiles files;
    const std::string from = dir.path() + "from.TMP", to = dir.path() + "to.BAT";
    WriteWholeFile(from, "new");
    WriteWholeFile(to, "old");

    EXPECT_FALSE(files.renameFile(from, to));
    EXPECT_EQ(ReadWholeFile(from), "new");
    EXPECT_EQ(ReadWholeFile(to), "old");
}

// The record replaces what the file held before, however long that was.
TEST(WriteShellScript, WritesUtf8LinesEndedByCrLfOverAnyOldContent) {
    TempDir dir;
    LinuxFiles files;
    const std::string path = dir.path() + "MPR1.BAT";
    WriteWholeFile(path, std::string(500, 'z'));

    ASSERT_TRUE(files.writeShellScript(path, {"del \"D\"", "sort \"/tmp/日本語 & 100%%/P\" > \"S\"", ""}));
    EXPECT_EQ(ReadWholeFile(path), "del \"D\"\r\nsort \"/tmp/日本語 & 100%%/P\" > \"S\"\r\n\r\n");
}

}  // namespace

}  // namespace mipro::testing
