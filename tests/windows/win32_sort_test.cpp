// The Windows edition's sort: the batch file's lines, and the batch run by the real command shell
// on the tests' stand-in sort (installed in system32), in a temporary folder whose path holds
// blanks, '&', '%' and Japanese letters.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "editions/win32/sort_batch.h"
#include "editions/win32/unicode_text.h"
#include "editions/win32/win32_files.h"

namespace mipro::win32 {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr auto kLongestWait = 30s;
const char* const kUnsorted = "200000000000001\r\n000000000001002\r\n100000000002003\r\n";
const char* const kSorted = "000000000001002\r\n100000000002003\r\n200000000000001\r\n";

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SortBatch, PathsAreQuotedWithPercentSignsDoubled) {
    EXPECT_EQ(BatchArgument("C:\\Temp\\MPR1.TMP"), "\"C:\\Temp\\MPR1.TMP\"");
    EXPECT_EQ(BatchArgument("C:\\100% & more\\A.TMP"), "\"C:\\100%% & more\\A.TMP\"");
    EXPECT_EQ(BatchArgument("%TEMP%"), "\"%%TEMP%%\"");
    EXPECT_EQ(SortBatchLines("D", "P", "S", "C:\\W\\system32\\sort.exe"),
              (std::vector<std::string>{"del \"D\"", "\"C:\\W\\system32\\sort.exe\" \"P\" > \"S\"", "type nul > \"D\""}));
}

TEST(SortBatch, TheSortIsTheOneInTheSystemFolder) {
    wchar_t folder[MAX_PATH] = {};
    ASSERT_GT(GetSystemDirectoryW(folder, MAX_PATH), 0u);
    EXPECT_EQ(SystemSortProgram(), Narrow(folder) + "\\sort.exe");
}

class Win32Sort : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t base[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, base);
        oldTemp = base;
        folder = fs::path(base) / L"mipro sort 一時 & 100% フォルダ";
        fs::remove_all(folder);
        fs::create_directories(folder);
        const std::wstring temp = folder.wstring() + L"\\";
        SetEnvironmentVariableW(L"TEMP", temp.c_str());
        SetEnvironmentVariableW(L"TMP", temp.c_str());
        pix = folder / L"MPRP.TMP";
        sorted = folder / L"MPRS.TMP";
        std::ofstream(pix, std::ios::binary) << kUnsorted;
        std::ofstream(sorted, std::ios::binary);
    }

    void TearDown() override {
        files.stopSorts();
        SetEnvironmentVariableW(L"MIPRO_SORT_FIXTURE_HOLD_MS", nullptr);
        SetEnvironmentVariableW(L"TEMP", oldTemp.c_str());
        SetEnvironmentVariableW(L"TMP", oldTemp.c_str());
        std::error_code ec;
        fs::remove_all(folder, ec);
    }

    std::unique_ptr<SortRun> Start() { return files.startSort(Narrow(pix.wstring()), Narrow(sorted.wstring())); }

    static bool Ends(SortRun& run) {
        const auto giveUp = std::chrono::steady_clock::now() + kLongestWait;
        while (!run.hasEnded()) {
            if (std::chrono::steady_clock::now() > giveUp) return false;
            std::this_thread::sleep_for(20ms);
        }
        return true;
    }

    // The names in the folder other than the two lists.
    std::vector<fs::path> Others() const {
        std::vector<fs::path> found;
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.path() != pix && entry.path() != sorted) found.push_back(entry.path());
        }
        return found;
    }

    fs::path BatchFile() const {
        for (const fs::path& other : Others()) {
            if (other.extension() == L".BAT") return other;
        }
        return {};
    }

    std::wstring oldTemp;
    fs::path folder, pix, sorted;
    Win32Files files;
};

TEST_F(Win32Sort, SortsThroughTheBatchAndTheUnloadTakesTheBatchFilesAway) {
    auto run = Start();
    ASSERT_TRUE(run);
    ASSERT_TRUE(Ends(*run));
    EXPECT_TRUE(run->succeeded());
    EXPECT_EQ(Contents(sorted), kSorted);

    const fs::path batch = BatchFile();
    ASSERT_FALSE(batch.empty());
    EXPECT_EQ(batch.filename().wstring().rfind(L"MPR", 0), 0u);
    const std::string text = Contents(batch);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3) << text;
    // The folder in its short form where the system has one, the sort by its full path.
    std::string shortFolder = WithShortFolder(Narrow(folder.wstring()) + "\\x");
    shortFolder.pop_back();
    EXPECT_NE(text.find(shortFolder), std::string::npos) << text;
    EXPECT_EQ(text.find("sort \""), std::string::npos) << "no bare sort: " << text;
    EXPECT_NE(text.find(WithShortFolder(SystemSortProgram())), std::string::npos) << text;

    files.removeSortFiles();
    EXPECT_TRUE(Others().empty());
}

// cmd.exe starts in the temporary folder, where anybody may have put a program named sort: the
// batch names the system's own, so none of these runs.
TEST_F(Win32Sort, ASortPlantedInTheTemporaryFolderIsNotRun) {
    const fs::path telltale = folder / L"planted-ran";
    for (const wchar_t* name : {L"sort.bat", L"sort.cmd"}) {
        std::ofstream(folder / name, std::ios::binary) << "@echo planted> \"" << Narrow(telltale.wstring()) << "\"\r\n";
    }

    auto run = Start();
    ASSERT_TRUE(run);
    ASSERT_TRUE(Ends(*run));

    EXPECT_FALSE(fs::exists(telltale));
    EXPECT_TRUE(run->succeeded());
    EXPECT_EQ(Contents(sorted), kSorted);
}

// A sort that does not end is stopped with its shell: no marker comes back late, and the files it
// held open are let go.
TEST_F(Win32Sort, AStoppedSortEndsWithItsShellAndBringsNoMarkerBack) {
    SetEnvironmentVariableW(L"MIPRO_SORT_FIXTURE_HOLD_MS", L"3000");
    auto run = Start();
    ASSERT_TRUE(run);
    std::this_thread::sleep_for(1s);
    ASSERT_FALSE(run->hasEnded()) << "the stand-in sort should still hold its files";

    run->stop();

    EXPECT_TRUE(run->hasEnded());
    EXPECT_FALSE(run->succeeded());
    EXPECT_TRUE(DeleteFileW(pix.c_str())) << "the sort still holds the list";
    // Past the time the stand-in would have taken: had it lived on, the marker would be back.
    std::this_thread::sleep_for(4s);
    const std::vector<fs::path> others = Others();
    ASSERT_EQ(others.size(), 1u) << "only the batch file";
    EXPECT_EQ(others[0].extension(), L".BAT");
    EXPECT_TRUE(Contents(sorted).empty());
}

}  // namespace
}  // namespace mipro::win32
