#include <algorithm>

#include "picture/image_load.h"
#include "pixels/pixel_list.h"
#include "pixels_test_fixture.h"
#include "wizard/pointer_places.h"

namespace mipro::testing {

namespace {

constexpr ColourValue kWhite = 0xFFFFFF;

ColourValue Colour(int r, int g, int b) { return r | g << 8 | b << 16; }

std::string Line(int r, int g, int b, int y, int x) {
    const PixelLine l = FormatPixelLine(r, g, b, y, x);
    return std::string(l.begin(), l.end());
}

class Extraction : public PixelsTest {};

TEST(PixelLine, IsFiveZeroPaddedThreeDigitFields) {
    EXPECT_EQ(Line(255, 128, 0, 12, 7), "255128000012007");
    EXPECT_EQ(Line(0, 0, 0, 0, 0), "000000000000000");
    EXPECT_EQ(Line(9, 99, 100, 599, 5), "009099100599005");
}

TEST(RowsPerStep, IsTheLargerSideOverOneHundredFortyRounded) {
    const auto rows = [](int width, int height) { return RowsPerStep(height, ComputeThumbScale(width, height)); };
    EXPECT_EQ(rows(600, 600), 4);
    EXPECT_EQ(rows(350, 350), 2);
    EXPECT_EQ(rows(490, 490), 3);
    EXPECT_EQ(rows(210, 210), 1);
    EXPECT_EQ(rows(600, 20), 4);
    EXPECT_EQ(rows(20, 600), 4);
    EXPECT_EQ(rows(140, 140), 1);
    EXPECT_EQ(rows(1, 1), 1);
}

TEST_F(Extraction, BlackTopLeftPixelIsTheFirstSortedLine) {
    Picture p(20, 10, Colour(40, 50, 60));
    p.setPoint(0, 0, 0);
    Extract(p);
    ASSERT_EQ(w.st.StepDone(3, 0), True);
    const auto sorted = Sorted();
    ASSERT_EQ(sorted.size(), 200u);
    EXPECT_EQ(sorted[0], "000000000000000");
    EXPECT_EQ(w.st.PixCount, 200);
}

TEST_F(Extraction, SameColourFollowsRowsFromTheTop) {
    Picture p(10, 10, kWhite);
    p.setPoint(2, 7, Colour(1, 2, 3));
    p.setPoint(5, 3, Colour(1, 2, 3));
    Extract(p);
    EXPECT_EQ(Sorted(), (std::vector<std::string>{Line(1, 2, 3, 3, 5), Line(1, 2, 3, 7, 2)}));
}

TEST_F(Extraction, ColoursOrderByRedThenGreenThenBlue) {
    Picture p(4, 4, kWhite);
    p.setPoint(0, 0, Colour(0, 1, 0));
    p.setPoint(3, 3, Colour(0, 0, 255));
    p.setPoint(1, 1, Colour(1, 0, 0));
    p.setPoint(2, 0, Colour(0, 0, 255));
    Extract(p);
    EXPECT_EQ(Sorted(), (std::vector<std::string>{Line(0, 0, 255, 0, 2), Line(0, 0, 255, 3, 3),
                                                  Line(0, 1, 0, 0, 0), Line(1, 0, 0, 1, 1)}));
}

TEST_F(Extraction, OnlyPureWhiteIsLeftOut) {
    Picture p(3, 2, kWhite);
    p.setPoint(1, 0, Colour(254, 255, 255));
    p.setPoint(2, 1, Colour(255, 255, 254));
    p.setPoint(0, 1, Colour(255, 254, 255));
    Extract(p);
    EXPECT_EQ(w.st.PixCount, 3);
    EXPECT_EQ(Unsorted(), (std::vector<std::string>{Line(254, 255, 255, 0, 1), Line(255, 254, 255, 1, 0),
                                                    Line(255, 255, 254, 1, 2)}));
}

TEST_F(Extraction, UnsortedListIsInReadingOrder) {
    Picture p(3, 2, 0);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) p.setPoint(x, y, Colour(200 - 10 * (3 * y + x), 7, 9));
    Extract(p);
    std::vector<std::string> expected;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) expected.push_back(Line(200 - 10 * (3 * y + x), 7, 9, y, x));
    EXPECT_EQ(Unsorted(), expected);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Sorted(), expected);
}

TEST_F(Extraction, OnlyTheClippedAreaIsListed) {
    Extract(Picture(601, 2, 0));
    EXPECT_EQ(w.st.PixCount, 1200);
    const auto lines = Unsorted();
    ASSERT_EQ(lines.size(), 1200u);
    EXPECT_EQ(lines.back(), Line(0, 0, 0, 1, 599));
}

TEST_F(Extraction, AllWhitePictureGivesEmptyListsAndCompletes) {
    Extract(Picture(30, 30, kWhite));
    EXPECT_EQ(w.st.PixCount, 0);
    EXPECT_TRUE(ReadBytes(w.st.PixFile).empty());
    EXPECT_TRUE(ReadBytes(w.st.SortFile).empty());
    EXPECT_EQ(w.st.StepDone(3, 0), True);
    EXPECT_EQ(desk.files.sortsStarted, 1);
}

TEST_F(Extraction, FinishesWithTheEndCueAndTheDoneText) {
    Extract(Picture(30, 30, 0));
    EXPECT_EQ(SoundsPlayed().back(), kEndBytes);
    EXPECT_EQ(Status(), "ピクセル情報は取り出し済みです。");
    EXPECT_TRUE(desk.window.isVisible({Control::lblSTINFO, 3}));
    EXPECT_EQ(desk.pointer.shape(), PointerShape::Default);
    EXPECT_TRUE(desk.window.isEnabled({Control::cmdBACK}));
    EXPECT_TRUE(desk.window.isEnabled({Control::cmdNEXT}));
    EXPECT_EQ(w.st.CanClose, True);
    const ScreenPoint finished = desk.pointer.position();
    GoPointerDefPos(w, {Control::cmdNEXT});
    EXPECT_EQ(desk.pointer.position(), finished);
}

TEST_F(Extraction, WhileWorkingTheWindowIsLockedAndTheStatusSaysWhat) {
    std::vector<std::string> statuses;
    bool alwaysBusy = true;
    desk.window.onDoEvents = [&] {
        if (w.st.StepNo != 3 || w.st.StepDone(3, 0) != False) return;
        statuses.push_back(Status());
        alwaysBusy = alwaysBusy && w.st.CanClose == False && !desk.window.isEnabled({Control::cmdBACK}) &&
                     !desk.window.isEnabled({Control::cmdNEXT}) && desk.pointer.shape() == PointerShape::Hourglass;
    };
    Extract(Picture(10, 10, 0));
    EXPECT_TRUE(alwaysBusy);
    ASSERT_FALSE(statuses.empty());
    EXPECT_EQ(statuses.front(), "ピクセル情報を読み込んでいます...\r\n\r\n※この処理はキャンセルできません！");
    EXPECT_EQ(statuses.back(), "ピクセル情報の並び替えを行っています...\r\n\r\n※この処理はキャンセルできません！");
}

// The number of strips shown at each event pump of the extraction, before the sort begins.
class ProgressPumps : public PixelsTest {
protected:
    std::vector<int> StripsAtEachPump(const Picture& picture) {
        std::vector<int> strips;
        bool sorting = false;
        desk.window.onDoEvents = [&] {
            if (w.st.StepNo != 3 || sorting) return;
            sorting = Status().find("並び替え") != std::string::npos;
            if (!sorting) strips.push_back(desk.window.thumbnail(3).rowsCopied);
        };
        Extract(picture);
        return strips;
    }
};

TEST_F(ProgressPumps, SixHundredRowsShowAStripEveryFourRowsThenPumpEveryRow) {
    const std::vector<int> strips = StripsAtEachPump(Picture(600, 600, kWhite));
    std::vector<int> expected{0};  // the pump before the first row
    for (int s = 1; s <= 140; ++s) expected.push_back(s);
    for (int row = 560; row < 600; ++row) expected.push_back(140);
    EXPECT_EQ(strips, expected);
}

TEST_F(ProgressPumps, SmallPictureShowsAStripAfterEveryRow) {
    const std::vector<int> strips = StripsAtEachPump(Picture(50, 12, kWhite));
    std::vector<int> expected;
    for (int s = 0; s <= 12; ++s) expected.push_back(s);
    EXPECT_EQ(strips, expected);
}

TEST_F(ProgressPumps, AfterwardsTheWholeThumbnailIsShown) {
    Picture p(100, 300, kWhite);
    for (int y = 290; y < 300; ++y)
        for (int x = 0; x < 100; ++x) p.setPoint(x, y, 0);  // the bottom rows: the thumbnail's last strip
    StripsAtEachPump(p);
    const Picture& shown = desk.window.thumbnail(3).image;
    const Picture& thumb = desk.window.thumbnail(2).image;
    ASSERT_EQ(shown.width(), thumb.width());
    ASSERT_EQ(shown.height(), thumb.height());
    EXPECT_EQ(shown.point(46, 139), 0);
}

TEST_F(Extraction, StatusBlinksEveryPeriodOverSevenTenthsOfASecond) {
    std::vector<bool> visibility;
    desk.window.onDoEvents = [&] {
        if (w.st.StepNo != 3 || w.st.StepDone(3, 0) != False) return;
        visibility.push_back(desk.window.isVisible({Control::lblSTINFO, 3}));
        desk.clock.advance(400);  // each strip takes 0.4 s
    };
    Extract(Picture(10, 10, 0));
    // Pumps: one before the blink period starts, then one per row; the label flips on every
    // second row.
    ASSERT_GE(visibility.size(), 11u);
    const std::vector<bool> rows(visibility.begin(), visibility.begin() + 11);
    EXPECT_EQ(rows, (std::vector<bool>{true, true, true, false, false, true, true, false, false, true, true}));
    EXPECT_TRUE(desk.window.isVisible({Control::lblSTINFO, 3}));
}

TEST_F(Extraction, WorkFilesAreNamedOnceInTheTemporaryDirectory) {
    Extract(Picture(4, 4, 0));
    const State& st = w.st;
    const std::string dir = TempDir();
    for (const std::string* f : {&st.PixFile, &st.SortFile}) {
        EXPECT_EQ(f->rfind(dir + "MPR", 0), 0u) << *f;
        EXPECT_EQ(f->substr(f->size() - 4), ".TMP") << *f;
    }
    EXPECT_NE(st.PixFile, st.SortFile);
}

TEST_F(Extraction, EnteringAgainChangesNothing) {
    Extract(Picture(4, 4, 0));
    desk.log.clear();
    const std::string status = Status();
    cmdBACK_Click(w);
    cmdNEXT_Click(w);
    EXPECT_EQ(desk.files.sortsStarted, 1);
    EXPECT_EQ(Status(), status);
    EXPECT_EQ(w.st.PixCount, 16);
}

TEST_F(Extraction, NewPictureIsExtractedAgainUnderTheSameNames) {
    Extract(Picture(4, 4, 0));
    const State before = w.st;
    cmdBACK_Click(w);
    ChoosePicture(Picture(3, 1, Colour(9, 8, 7)), "second.bmp");
    cmdNEXT_Click(w);
    EXPECT_EQ(desk.files.sortsStarted, 2);
    EXPECT_EQ(w.st.PixFile, before.PixFile);
    EXPECT_EQ(w.st.SortFile, before.SortFile);
    EXPECT_EQ(w.st.PixCount, 3);
    EXPECT_EQ(Sorted(), (std::vector<std::string>{Line(9, 8, 7, 0, 0), Line(9, 8, 7, 0, 1), Line(9, 8, 7, 0, 2)}));
}

TEST_F(Extraction, UnloadDeletesTheWorkFilesAndThoseOfTheSort) {
    Extract(Picture(4, 4, 0));
    Form_Unload(w);
    for (const std::string* f : {&w.st.PixFile, &w.st.SortFile}) {
        EXPECT_FALSE(desk.files.fileExists(*f)) << *f;
    }
    EXPECT_EQ(desk.files.sortFilesRemoved, 1);
}

}  // namespace

}  // namespace mipro::testing
