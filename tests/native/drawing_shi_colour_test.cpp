// Colour setting on PaintBBS: slider values, the clicks and drags that set them, and the record.
#include "drawing/shi_colour.h"

#include "drawing_fixture.h"

namespace mipro::testing {
namespace {

class ShiColourTest : public DrawingTest {
protected:
    static constexpr int kSliderWait = kFastWait + 8;
    const ScreenPoint red = w.st.capture.ShiRBar;
    ScreenPoint OnRed(int dx) const { return {red.x + dx, red.y}; }
};

TEST_F(ShiColourTest, ComponentsGoToTheNearestMultipleOfFive) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"000", 0},   {"002", 0},   {"003", 5},   {"007", 5},   {"008", 10},  {"127", 125}, {"128", 130},
        {"247", 245}, {"249", 250}, {"252", 250}, {"253", 255}, {"254", 255}, {"255", 255}, {"099", 100},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(shiRgbValueADJ(text), value) << text;
}

TEST_F(ShiColourTest, AValueInsideTheSliderIsOneClickOnItsPixel) {
    shiSetRGBCtrl(w, "128", "000", "000");
    EXPECT_EQ(Moves(), Repeat(OnRed(25), 2));
    EXPECT_EQ(Presses(), Repeat(OnRed(25), 1));
    EXPECT_EQ(Releases(), Repeat(OnRed(25), 1));
    EXPECT_EQ(Sleeps(), std::vector<int>(4, kSliderWait));
    EXPECT_EQ(w.st.shi.ShiRNow, 130);

    desk.log.clear();
    shiSetRGBCtrl(w, "127", "000", "000");
    EXPECT_EQ(Presses(), Repeat(OnRed(24), 1));
    EXPECT_EQ(w.st.shi.ShiRNow, 125);
}

TEST_F(ShiColourTest, TheLowestAndHighestClickedValuesSitAtTheEndsOfTheClickRange) {
    shiSetRGB(w, red.x, red.y, 5);
    shiSetRGB(w, red.x, red.y, 245);
    EXPECT_EQ(Presses(), (std::vector<ScreenPoint>{OnRed(0), OnRed(48)}));
}

TEST_F(ShiColourTest, TheTopIsADragOverThreePointsAndThenNoActionForItsNeighbours) {
    shiSetRGBCtrl(w, "255", "000", "000");
    EXPECT_EQ(Moves(), (std::vector<ScreenPoint>{OnRed(48), OnRed(49), OnRed(50)}));
    EXPECT_EQ(Presses(), (std::vector<ScreenPoint>{OnRed(48), OnRed(49), OnRed(50)}));
    EXPECT_EQ(Releases(), Repeat(OnRed(50), 1));
    EXPECT_EQ(Sleeps(), std::vector<int>(7, kSliderWait));

    for (const char* same : {"254", "253", "255"}) {
        desk.log.clear();
        shiSetRGBCtrl(w, same, "000", "000");
        EXPECT_TRUE(desk.log.events().empty()) << same;
    }
}

TEST_F(ShiColourTest, TwoHundredFiftyIsADragFromTheLastClickedPixel) {
    shiSetRGBCtrl(w, "249", "000", "000");
    EXPECT_EQ(Presses(), (std::vector<ScreenPoint>{OnRed(48), OnRed(49)}));
    EXPECT_EQ(Releases(), Repeat(OnRed(49), 1));
    EXPECT_EQ(Sleeps().size(), 5u);
}

TEST_F(ShiColourTest, ZeroIsADragOffTheLowEndOnlyWhenNotAlreadyThere) {
    shiSetRGBCtrl(w, "000", "000", "000");
    EXPECT_TRUE(desk.log.events().empty());

    w.st.shi.ShiRNow = 100;
    shiSetRGBCtrl(w, "000", "000", "000");
    EXPECT_EQ(Moves(), (std::vector<ScreenPoint>{OnRed(0), OnRed(-1)}));
    EXPECT_EQ(Presses(), (std::vector<ScreenPoint>{OnRed(0), OnRed(-1)}));
    EXPECT_EQ(Releases(), Repeat(OnRed(-1), 1));
    EXPECT_EQ(Sleeps().size(), 5u);
    EXPECT_EQ(w.st.shi.ShiRNow, 0);
}

TEST_F(ShiColourTest, ValuesThatNoSliderPixelStandsForDoNothing) {
    shiSetRGB(w, red.x, red.y, 3);
    shiSetRGB(w, red.x, red.y, 252);
    shiSetRGB(w, red.x, red.y, 260);
    EXPECT_TRUE(desk.log.events().empty());
}

TEST_F(ShiColourTest, OnlyTheChangedComponentsMoveEachOnItsOwnSlider) {
    shiSetRGBCtrl(w, "050", "100", "150");
    const CaptureRecord& c = w.st.capture;
    EXPECT_EQ(Presses(), (std::vector<ScreenPoint>{{c.ShiRBar.x + 9, c.ShiRBar.y},
                                                   {c.ShiGBar.x + 19, c.ShiGBar.y},
                                                   {c.ShiBBar.x + 29, c.ShiBBar.y}}));
    desk.log.clear();
    shiSetRGBCtrl(w, "050", "200", "150");
    EXPECT_EQ(Presses(), (std::vector<ScreenPoint>{{c.ShiGBar.x + 39, c.ShiGBar.y}}));
    EXPECT_EQ(w.st.shi.ShiRNow, 50);
    EXPECT_EQ(w.st.shi.ShiGNow, 200);
    EXPECT_EQ(w.st.shi.ShiBNow, 150);
}

}  // namespace
}  // namespace mipro::testing
