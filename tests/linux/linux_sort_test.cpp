// The sort of the pixel list by the system's sort: step 3 of the real core run end to end on
// LinuxFiles, in a temporary folder whose name holds blanks, '&', '%', quotes and Japanese
// letters, and the process's behaviour around a sort that fails, hangs or cannot start.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <set>
#include <sstream>
#include <thread>

#include "linux_test_support.h"
#include "pixels/img_analy_step.h"
#include "editions/linux/linux_clock.h"
#include "editions/linux/linux_files.h"
#include "tests/sim/sim_desktop.h"
#include "wizard/wizard.h"

namespace mipro::testing {

namespace {

using namespace std::chrono_literals;
using linux_x11::LinuxClock;
using linux_x11::LinuxFiles;

const char* const kAwkwardFolder = "a b & 100% 'q\" 日本語";
const std::string kSortFailed = "ピクセル情報の並び替えに失敗しました。";
const std::string kSortProgramHint = "sort コマンドを起動できませんでした。";
constexpr auto kPollEvery = 10ms;
constexpr auto kLongestWait = 10s;

// The names in a folder.
std::set<std::string> Listing(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().string());
    return names;
}

std::vector<std::string> Lines(const std::string& path) {
    std::istringstream in(ReadWholeFile(path));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Pixels whose reading order is not their colour order; (1, 1) is white and left out.
Picture Mixed() {
    Picture p(4, 3, 0x0000FF);
    p.setPoint(0, 0, 0xFFFF00);
    p.setPoint(3, 0, 0x00FF00);
    p.setPoint(0, 2, 0x00FF00);
    p.setPoint(1, 1, 0xFFFFFF);
    p.setPoint(2, 1, 0x000000);
    p.setPoint(3, 2, 0x123456);
    return p;
}

// A program named "sort" in a folder of its own, a shell script with the given body.
std::string FakeSort(const TempDir& bin, const std::string& body) {
    const std::string path = bin.path() + "sort";
    WriteWholeFile(path, "#!/bin/sh\n" + body + "\n");
    chmod(path.c_str(), 0755);
    return bin.path();
}

// The core's step 3 on the simulated desktop, with the real files, sort and clock.
class SortStep : public ::testing::Test {
protected:
    SortStep()
        : temp(kAwkwardFolder),
          tmpdir("TMPDIR", temp.path()),
          platform{desk.pointer, desk.keyboard, clock, desk.sound, desk.window, desk.dialogs, files, desk.screen, {1, 0, 0},
                   "/opt/mipro", WindowSystem::X11},
          w(platform) {
        w.st.AppTitle = "ミプロ♪";
        w.st.StepNo = 3;
        w.st.TwipsX = w.st.TwipsY = 15;
        w.st.picIMG = Mixed();
        w.st.ImgWidth = w.st.picIMG.width();
        w.st.ImgHeight = w.st.picIMG.height();
        w.st.ThumbScale = 1;
    }

    std::string Message() const { return desk.dialogs.shown.empty() ? "" : desk.dialogs.shown.front().text; }

    TempDir temp;
    ScopedEnv tmpdir;
    sim::SimDesktop desk;
    LinuxFiles files;
    LinuxClock clock;
    Platform platform;
    Wizard w;
};

TEST_F(SortStep, SortsThePixelListInByteOrderInAnAwkwardFolder) {
    ST03_ImgAnaly(w);

    ASSERT_EQ(w.st.StepDone(3, 0), True) << Message();
    EXPECT_TRUE(desk.dialogs.shown.empty());
    EXPECT_EQ(files.tempPath().rfind(temp.path() + "mipro-", 0), 0u) << files.tempPath();
    EXPECT_EQ(w.st.PixFile.rfind(files.tempPath(), 0), 0u) << w.st.PixFile;
    // The list and the sorted list, and nothing else: no batch file, no marker.
    EXPECT_EQ(Listing(files.tempPath()), (std::set<std::string>{w.st.PixFile, w.st.SortFile}));
    EXPECT_EQ(w.st.PixCount, 11);
    std::vector<std::string> expected = Lines(w.st.PixFile);
    const std::vector<std::string> sorted = Lines(w.st.SortFile);
    ASSERT_EQ(expected.size(), 11u);
    EXPECT_FALSE(std::is_sorted(expected.begin(), expected.end())) << "the picture should need sorting";
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(sorted, expected);
    EXPECT_EQ(sorted.front(), "000000000001002\r");
    EXPECT_EQ(sorted.back(), "255000000002002\r");
}

TEST_F(SortStep, WithoutASortProgramTheStepFailsAndSaysSo) {
    const TempDir emptyBin("bin");
    const ScopedEnv path("PATH", emptyBin.path());
    const auto start = std::chrono::steady_clock::now();

    ST03_ImgAnaly(w);

    EXPECT_LT(std::chrono::steady_clock::now() - start, kLongestWait);
    EXPECT_EQ(w.st.StepDone(3, 0), False);
    ASSERT_EQ(desk.dialogs.shown.size(), 1u);
    EXPECT_EQ(Message().rfind(kSortFailed, 0), 0u) << Message();
    EXPECT_NE(Message().find(kSortProgramHint), std::string::npos) << Message();
    EXPECT_EQ(w.st.CanClose, True);
}

TEST_F(SortStep, ASortThatFailsLeavesTheStepUndone) {
    const TempDir bin("bin");
    const ScopedEnv path("PATH", FakeSort(bin, "exit 2"));

    ST03_ImgAnaly(w);

    EXPECT_EQ(w.st.StepDone(3, 0), False);
    EXPECT_EQ(Listing(files.tempPath()), (std::set<std::string>{w.st.PixFile, w.st.SortFile}));
    ASSERT_EQ(desk.dialogs.shown.size(), 1u);
    EXPECT_EQ(Message().rfind(kSortFailed, 0), 0u) << Message();
    EXPECT_EQ(Message().find(kSortProgramHint), std::string::npos) << "the sort did start";
}

// Polls until the sort reports its end; false when it has not within the longest wait.
bool Ends(SortRun& process) {
    const auto give_up = std::chrono::steady_clock::now() + kLongestWait;
    while (!process.hasEnded()) {
        if (std::chrono::steady_clock::now() > give_up) return false;
        std::this_thread::sleep_for(kPollEvery);
    }
    return true;
}

TEST(SortProcess, RunsInByteOrderWithTheEnvironmentAndNoTerminal) {
    const TempDir work("work"), bin("bin");
    const std::string report = work.path() + "report";
    const ScopedEnv path("PATH", FakeSort(bin, "in=$(/bin/readlink /proc/$$/fd/0); out=$(/bin/readlink /proc/$$/fd/1); "
                                               "err=$(/bin/readlink /proc/$$/fd/2); printf '%s\\n' \"$LC_ALL\" "
                                               "\"$MIPRO_PROBE\" \"$in\" \"$out\" \"$err\" > '" + report + "'"));
    const ScopedEnv locale("LC_ALL", "ja_JP.UTF-8");
    const ScopedEnv probe("MIPRO_PROBE", "kept");
    LinuxFiles files;

    const auto process = files.startSort(work.path() + "p", work.path() + "s");
    ASSERT_TRUE(process);
    ASSERT_TRUE(Ends(*process));

    EXPECT_EQ(Lines(report), (std::vector<std::string>{"C", "kept", "/dev/null", "/dev/null", "/dev/null"}));
    EXPECT_TRUE(process->succeeded());
}

TEST(SortProcess, AnExitStatusOtherThanZeroIsNoSuccess) {
    const TempDir bin("bin");
    const ScopedEnv path("PATH", FakeSort(bin, "exit 1"));
    LinuxFiles files;
    const auto process = files.startSort("/nonexistent/p", "/nonexistent/s");
    ASSERT_TRUE(process);
    ASSERT_TRUE(Ends(*process));
    EXPECT_FALSE(process->succeeded());
}

// A sort that writes its process id and then runs on; the id once it is written.
class RunningSort : public ::testing::Test {
protected:
    std::unique_ptr<SortRun> Start(const std::string& before) {
        const std::string runOn = "while :; do /bin/sleep 1; done";
        const ScopedEnv path("PATH", FakeSort(bin, before + "echo $$ > '" + pidFile + "'; " + runOn));
        auto process = files.startSort(work.path() + "p", work.path() + "s");
        const auto give_up = std::chrono::steady_clock::now() + kLongestWait;
        while (ReadWholeFile(pidFile).empty() && std::chrono::steady_clock::now() < give_up) {
            std::this_thread::sleep_for(kPollEvery);
        }
        sort = std::stoi("0" + ReadWholeFile(pidFile));
        return process;
    }

    bool Gone() const { return kill(sort, 0) == -1 && errno == ESRCH; }

    TempDir work{"work"}, bin{"bin"};
    const std::string pidFile = work.path() + "pid";
    LinuxFiles files;
    pid_t sort = 0;
};

TEST_F(RunningSort, EndsWithTheProcessThatPollsIt) {
    auto process = Start("");
    ASSERT_TRUE(process);
    ASSERT_GT(sort, 0);
    EXPECT_FALSE(process->hasEnded());

    process.reset();

    EXPECT_TRUE(Gone()) << "the sort should be ended and reaped";
}

TEST_F(RunningSort, StopEndsTheSortWhichHasThenNotSucceeded) {
    auto process = Start("");
    ASSERT_TRUE(process);
    ASSERT_GT(sort, 0);

    process->stop();

    EXPECT_TRUE(Gone());
    EXPECT_TRUE(process->hasEnded());
    EXPECT_FALSE(process->succeeded());
}

// At the session's end every sort is stopped, one that ignores SIGTERM too.
TEST_F(RunningSort, StopSortsEndsEvenASortThatIgnoresTheRequest) {
    auto process = Start("trap '' TERM; ");
    ASSERT_TRUE(process);
    ASSERT_GT(sort, 0);

    files.stopSorts();

    EXPECT_TRUE(Gone());
    EXPECT_TRUE(process->hasEnded());
    EXPECT_FALSE(process->succeeded()) << "a stopped sort has not sorted";
    process.reset();
}

}  // namespace

}  // namespace mipro::testing
