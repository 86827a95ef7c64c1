#include <filesystem>

#include "app/main_form.h"
#include "base/utf8_path.h"
#include "picture/image_get_step.h"
#include "pixels_test_fixture.h"

namespace mipro::testing {

namespace {

namespace fs = std::filesystem;

const std::string kSortFailed = "ピクセル情報の並び替えに失敗しました。";

// A picture of 12 pixels in three colours, and its sorted list.
Picture ThreeColours() {
    Picture p(4, 3, 0x0000FF);
    p.setPoint(3, 0, 0x00FF00);
    p.setPoint(0, 2, 0x00FF00);
    p.setPoint(1, 1, 0xFFFFFF);
    p.setPoint(2, 1, 0x000000);
    return p;
}

class Sort : public PixelsTest {
protected:
    using PixelsTest::PixelsTest;

    void ExpectSortedCorrectly() {
        ASSERT_EQ(w.st.StepDone(3, 0), True) << (desk.dialogs.shown.empty() ? "" : desk.dialogs.shown[0].text);
        const auto sorted = Sorted();
        ASSERT_EQ(sorted.size(), 11u);
        EXPECT_EQ(sorted.front(), "000000000001002");
        EXPECT_EQ(sorted[1], "000255000000003");
        EXPECT_EQ(sorted.back(), "255000000002003");
    }

    // Step 3 failed: the user is told, can go back, and may close the window.
    void ExpectFailedWith(const std::string& hint) {
        EXPECT_EQ(w.st.StepDone(3, 0), False);
        ASSERT_EQ(desk.dialogs.shown.size(), 1u);
        EXPECT_EQ(desk.dialogs.shown[0].text.rfind(kSortFailed + "\r\n\r\n", 0), 0u) << desk.dialogs.shown[0].text;
        EXPECT_NE(desk.dialogs.shown[0].text.find(hint), std::string::npos) << desk.dialogs.shown[0].text;
        EXPECT_EQ(desk.dialogs.shown[0].style, 48);
        EXPECT_EQ(desk.dialogs.shown[0].title, w.st.AppTitle);
        EXPECT_EQ(Status(), kSortFailed);
        EXPECT_TRUE(desk.window.isVisible({Control::lblSTINFO, 3}));
        EXPECT_TRUE(desk.window.isEnabled({Control::cmdBACK}));
        EXPECT_FALSE(desk.window.isEnabled({Control::cmdNEXT}));
        EXPECT_EQ(w.st.CanClose, True);
        EXPECT_EQ(desk.pointer.shape(), PointerShape::Default);
        for (int size : SoundsPlayed()) EXPECT_NE(size, kEndBytes);
    }

    // Goes back to step 2 and forward again, which runs the extraction anew.
    void Retry() {
        desk.dialogs.shown.clear();
        cmdBACK_Click(w);
        cmdNEXT_Click(w);
    }
};

TEST_F(Sort, PlainTemporaryDirectory) {
    Extract(ThreeColours());
    ExpectSortedCorrectly();
    EXPECT_EQ(w.st.PixCount, 11);
}

class AwkwardTempDir : public Sort {
protected:
    static sim::DesktopOptions Options() {
        sim::DesktopOptions o = OptionsFor(CurrentTestName());
        o.tempDir += "一時 & 100% フォルダ %PATH%/";
        fs::create_directories(Utf8Path(o.tempDir));
        return o;
    }
    AwkwardTempDir() : Sort(Options()) {}
};

TEST_F(AwkwardTempDir, BlanksAmpersandPercentAndJapaneseDoNotBreakTheSort) {
    Extract(ThreeColours());
    ExpectSortedCorrectly();
}

TEST_F(Sort, ASortThatEndsWithoutSuccessIsAFailure) {
    desk.files.sorter.succeeds = false;
    Extract(ThreeColours());
    ExpectFailedWith("一時フォルダ");
    EXPECT_EQ(desk.files.sortsStarted, 1);
}

TEST_F(Sort, SortedFileWithLinesMissingIsAFailure) {
    desk.files.sorter.sortDropsLines = 1;
    Extract(ThreeColours());
    ExpectFailedWith("一時フォルダ");
}

TEST_F(Sort, ShellThatCannotStartIsAFailure) {
    desk.files.sorter.starts = false;
    Extract(ThreeColours());
    ExpectFailedWith("cmd.exe");
}

TEST_F(Sort, OnX11TheSortItselfIsWhatCouldNotStart) {
    desk.platform.windowSystem = WindowSystem::X11;
    desk.files.sorter.starts = false;
    Extract(ThreeColours());
    ExpectFailedWith("sort コマンド");
}

// The sort is stopped, not only left behind: nothing it does late can touch the files of the
// next try, which then succeeds.
TEST_F(Sort, ASortThatNeverEndsIsStoppedAfterFiveMinutes) {
    desk.files.sorter.pollsBeforeEnd = 1'000'000;
    Extract(ThreeColours());
    ExpectFailedWith("一時フォルダ");
    EXPECT_EQ(desk.clock.nowMs(), 500 + 5 * 60 * 1000);
    EXPECT_EQ(desk.files.runsStopped, 1);

    desk.files.sorter.pollsBeforeEnd = 0;
    Retry();
    ExpectSortedCorrectly();
    EXPECT_EQ(desk.files.runsStopped, 1);
}

TEST_F(Sort, ASortThatEndsJustBeforeTheLimitCounts) {
    desk.files.sorter.pollsBeforeEnd = 5 * 60 * 1000 / 200;
    Extract(ThreeColours());
    ExpectSortedCorrectly();
    EXPECT_EQ(desk.files.runsStopped, 0);
}

// A logoff while the sort runs: the sort is stopped and every work file deleted before the program
// is ended (the platform ends it; here the end is an exception out of the loop).
TEST_F(Sort, TheSessionEndingWhileTheSortRunsStopsItAndDeletesTheWorkFiles) {
    struct SessionEnded {};
    MainForm form(w);
    desk.window.attach(form);
    desk.files.sorter.pollsBeforeEnd = 1000;
    desk.window.onDoEvents = [&] {
        if (Status().find("並び替え") == std::string::npos || desk.files.sortsStarted == 0) return;
        desk.window.sessionEnds();
        throw SessionEnded{};
    };
    EXPECT_THROW(Extract(ThreeColours()), SessionEnded);
    EXPECT_EQ(desk.files.sortsStopped, 1);
    EXPECT_EQ(desk.files.sortFilesRemoved, 1);
    for (const std::string& file : {w.st.PixFile, w.st.SortFile}) {
        EXPECT_FALSE(desk.files.fileExists(file)) << file;
    }
    EXPECT_EQ(desk.pointer.shape(), PointerShape::Default);
}

TEST_F(Sort, WaitPollsEveryTwoHundredMillisecondsUntilTheSortEnds) {
    desk.files.sorter.pollsBeforeEnd = 5;
    int pumpsWhileWaiting = 0;
    desk.window.onDoEvents = [&] {
        if (Status().find("並び替え") != std::string::npos) ++pumpsWhileWaiting;
    };
    Extract(ThreeColours());
    ExpectSortedCorrectly();
    std::vector<int> sleeps;
    for (const auto& e : desk.log.only(sim::EventKind::Sleep)) sleeps.push_back(e.value);
    EXPECT_EQ(sleeps, (std::vector<int>{500, 200, 200, 200, 200, 200}));
    EXPECT_EQ(pumpsWhileWaiting, 1 + 5);  // before the sort starts, then once per poll
}

TEST_F(Sort, FailedStepRunsAgainWhenEnteredAgain) {
    desk.files.sorter.starts = false;
    Extract(ThreeColours());
    ASSERT_EQ(w.st.StepDone(3, 0), False);
    desk.files.sorter.starts = true;
    Retry();
    ExpectSortedCorrectly();
    EXPECT_TRUE(desk.dialogs.shown.empty());
}

TEST_F(Sort, UnwritableTemporaryDirectoryIsReportedAndCanBeRetried) {
    EnterStepTwo();
    ChoosePicture(ThreeColours());
    fs::remove_all(TempDir());
    cmdNEXT_Click(w);
    EXPECT_EQ(w.st.StepDone(3, 0), False);
    ASSERT_EQ(desk.dialogs.shown.size(), 1u);
    EXPECT_EQ(desk.dialogs.shown[0].text.rfind("ピクセル情報の書き出しに失敗しました。", 0), 0u);
    EXPECT_TRUE(w.st.PixFile.empty());
    EXPECT_TRUE(w.st.SortFile.empty());
    EXPECT_EQ(w.st.CanClose, True);
    EXPECT_TRUE(desk.window.isEnabled({Control::cmdBACK}));

    fs::create_directories(TempDir());
    Retry();
    ExpectSortedCorrectly();
}

}  // namespace

}  // namespace mipro::testing
