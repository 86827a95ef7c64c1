// Page 3's choice of fewer colours on the simulated desktop: a choice made there re-runs the
// extraction through the window's one map, and the list and the thumbnail hold the reduced picture.
#include <set>

#include "app/main_form.h"
#include "base/colour.h"
#include "pixels/colour_choice.h"
#include "pixels_test_fixture.h"
#include "wizard/option_group.h"

namespace mipro::testing {

namespace {

constexpr int kPictureSide = 40;

// One colour a pixel: 1600 colours.
Picture Ramps() {
    Picture p(kPictureSide, kPictureSide);
    for (int y = 0; y < kPictureSide; ++y)
        for (int x = 0; x < kPictureSide; ++x) p.setPoint(x, y, ColourFromRgb(x * 6, y * 6, 255 - x * 3 - y * 3));
    return p;
}

class ColourChoice : public PixelsTest {
protected:
    ColourChoice() { desk.window.attach(form); }

    // The colours of the sorted list: the first nine digits of its lines.
    std::set<std::string> ListedColours() {
        std::set<std::string> colours;
        for (const std::string& line : Sorted()) colours.insert(line.substr(0, 9));
        return colours;
    }

    std::set<ColourValue> ThumbnailColours(int box) {
        std::set<ColourValue> colours;
        const Picture& shown = desk.window.thumbnail(box).image;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) colours.insert(shown.point(x, y));
        return colours;
    }

    void Choose(int countIndex) { desk.window.userClicks({Control::optCOLOURS, countIndex}); }

    MainForm form{w};
};

TEST_F(ColourChoice, EachCountReExtractsAListOfAtMostThatManyColours) {
    Extract(Ramps());
    ASSERT_EQ(ListedColours().size(), 1600u);
    EXPECT_EQ(desk.window.value({Control::optCOLOURS, 0}), 1) << "off until the user asks";
    for (int index = 1; index < OptionGroupSize(Control::optCOLOURS); ++index) {
        const int count = ColourCountOf(index);
        SCOPED_TRACE(count);
        const int sortsBefore = desk.files.sortsStarted;
        Choose(index);
        EXPECT_EQ(desk.files.sortsStarted, sortsBefore + 1);
        EXPECT_EQ(w.st.StepDone(3, 0), True);
        EXPECT_EQ(w.st.PixCount, kPictureSide * kPictureSide);
        EXPECT_LE(ListedColours().size(), static_cast<std::size_t>(count));
        EXPECT_GE(ListedColours().size(), static_cast<std::size_t>(count) / 2);
        // The thumbnail shows the reduced picture, white around it.
        std::set<ColourValue> shown = ThumbnailColours(3);
        shown.erase(0xFFFFFF);
        EXPECT_LE(shown.size(), static_cast<std::size_t>(count));
        EXPECT_GT(ThumbnailColours(2).size(), shown.size() + 1);
    }
}

TEST_F(ColourChoice, TheExtractionsRulesHoldWhileItRunsAgain) {
    Extract(Ramps());
    std::vector<std::string> statuses;
    bool locked = true;
    desk.window.onDoEvents = [&] {
        if (w.st.StepDone(3, 0) != False) return;
        statuses.push_back(Status());
        locked = locked && w.st.CanClose == False && !desk.window.isEnabled({Control::cmdNEXT}) &&
                 !desk.window.isEnabled({Control::cmdBACK}) && !desk.window.isEnabled({Control::optCOLOURS, 0}) &&
                 !desk.window.isEnabled({Control::chkDITHER});
    };
    Choose(1);
    EXPECT_TRUE(locked);
    ASSERT_FALSE(statuses.empty());
    EXPECT_EQ(statuses.front().substr(0, statuses.front().find("\r\n")), "色数を減らしています...");
    EXPECT_EQ(w.st.CanClose, True);
    EXPECT_TRUE(desk.window.isEnabled({Control::cmdNEXT}));
    EXPECT_TRUE(desk.window.isEnabled({Control::optCOLOURS, 0}));
    EXPECT_TRUE(desk.window.isEnabled({Control::chkDITHER}));
}

TEST_F(ColourChoice, DitheringReExtractsOnlyWithFewerColours) {
    Extract(Ramps());
    desk.window.userClicks({Control::chkDITHER});
    EXPECT_EQ(w.st.Dithering, True);
    EXPECT_EQ(desk.files.sortsStarted, 1) << "the picture keeps its colours: nothing to dither";
    Choose(1);
    const std::vector<std::string> dithered = Sorted();
    desk.window.userClicks({Control::chkDITHER});
    EXPECT_EQ(desk.files.sortsStarted, 3);
    EXPECT_NE(Sorted(), dithered);
}

TEST_F(ColourChoice, NoReductionGivesThePicturesOwnListAgain) {
    Extract(Ramps());
    const std::vector<std::string> own = Sorted();
    Choose(2);
    Choose(0);
    EXPECT_EQ(desk.files.sortsStarted, 3);
    EXPECT_EQ(Sorted(), own);
    Choose(0);
    EXPECT_EQ(desk.files.sortsStarted, 3) << "the same choice again changes nothing";
}

// The board is chosen after page 3: coming back from PaintBBS makes the colours again among those
// its sliders set, and nothing is made again while the board stays the same.
TEST_F(ColourChoice, BackFromPaintBbsMakesTheColoursAgainForItsSliders) {
    Extract(Ramps());
    Choose(1);
    const auto multiplesOfFive = [&] {
        for (const std::string& colour : ListedColours())
            for (int at = 0; at < 9; at += 3)
                if (std::stoi(colour.substr(at, 3)) % 5 != 0) return false;
        return true;
    };
    EXPECT_FALSE(multiplesOfFive());
    cmdNEXT_Click(w);
    desk.window.userClicks({Control::optBOARD, kBoardPaint});
    cmdBACK_Click(w);
    EXPECT_EQ(desk.files.sortsStarted, 3);
    EXPECT_TRUE(multiplesOfFive());
    EXPECT_LE(ListedColours().size(), 16u);
    cmdNEXT_Click(w);
    cmdBACK_Click(w);
    EXPECT_EQ(desk.files.sortsStarted, 3);
}

}  // namespace

}  // namespace mipro::testing
