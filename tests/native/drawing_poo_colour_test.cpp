// Colour setting on oekakiBBS: which arrow buttons are clicked, how often, and the digit record.
#include "drawing/poo_colour.h"

#include "drawing_fixture.h"

namespace mipro::testing {
namespace {

class PooColourTest : public DrawingTest {
protected:
    const CaptureRecord& c = w.st.capture;
    ScreenPoint RedTensUp() const { return {c.PooRBtn1.x, c.PooRBtn1.y}; }
    ScreenPoint RedTensDown() const { return {c.PooRBtn1.x, c.PooRBtn2.y}; }
    ScreenPoint RedOnesUp() const { return {c.PooRBtn2.x, c.PooRBtn1.y}; }
    ScreenPoint RedOnesDown() const { return {c.PooRBtn2.x, c.PooRBtn2.y}; }

    void RecordRed(int tens, int ones) {
        w.st.poo.PooRTens = tens;
        w.st.poo.PooROnes = ones;
    }
};

TEST_F(PooColourTest, FromTheTopTensGoDownBeforeTheOnesClimb) {
    RecordRed(25, 5);
    pooSetRGBCtrl(w, "249", "000", "000");
    EXPECT_EQ(Presses(), Concat({Repeat(RedTensDown(), 1), Repeat(RedOnesUp(), 4)}));
    EXPECT_EQ(w.st.poo.PooRTens, 24);
    EXPECT_EQ(w.st.poo.PooROnes, 9);
}

TEST_F(PooColourTest, BelowTheTopOnesAreSetBeforeTheTensClimb) {
    RecordRed(19, 9);
    pooSetRGBCtrl(w, "255", "000", "000");
    EXPECT_EQ(Presses(), Concat({Repeat(RedOnesDown(), 4), Repeat(RedTensUp(), 6)}));
    EXPECT_EQ(w.st.poo.PooRTens, 25);
    EXPECT_EQ(w.st.poo.PooROnes, 5);
}

TEST_F(PooColourTest, EachClickIsPressedAndReleasedOnTheButtonWithTheButtonPause) {
    pooSetRGBCtrl(w, "002", "000", "000");
    const std::vector<sim::Event>& e = desk.log.events();
    ASSERT_EQ(e.size(), 12u);
    for (int click = 0; click < 2; ++click) {
        const auto* c = &e[click * 6];
        EXPECT_EQ(c[0].kind, sim::EventKind::Move);
        EXPECT_EQ(c[0].at, RedOnesUp());
        EXPECT_EQ(c[1].kind, sim::EventKind::ButtonDown);
        EXPECT_EQ(c[2].value, kFastWait + 5);
        EXPECT_EQ(c[3].kind, sim::EventKind::Move);
        EXPECT_EQ(c[4].kind, sim::EventKind::ButtonUp);
        EXPECT_EQ(c[4].at, RedOnesUp());
        EXPECT_EQ(c[5].value, kFastWait + 5);
    }
}

TEST_F(PooColourTest, TheSameColourTwiceCostsNothing) {
    pooSetRGBCtrl(w, "123", "045", "210");
    desk.log.clear();
    pooSetRGBCtrl(w, "123", "045", "210");
    EXPECT_TRUE(desk.log.events().empty());
}

TEST_F(PooColourTest, GreenAndBlueUseTheirOwnButtons) {
    pooSetRGBCtrl(w, "000", "017", "230");
    const ScreenPoint greenOnesUp{c.PooGBtn2.x, c.PooGBtn1.y}, greenTensUp{c.PooGBtn1.x, c.PooGBtn1.y};
    const ScreenPoint blueTensUp{c.PooBBtn1.x, c.PooBBtn1.y};
    EXPECT_EQ(Presses(), Concat({Repeat(greenOnesUp, 7), Repeat(greenTensUp, 1), Repeat(blueTensUp, 23)}));
    EXPECT_EQ(w.st.poo.PooGTens, 1);
    EXPECT_EQ(w.st.poo.PooGOnes, 7);
    EXPECT_EQ(w.st.poo.PooBTens, 23);
    EXPECT_EQ(w.st.poo.PooBOnes, 0);
}

TEST_F(PooColourTest, OneDigitMovesOnlyWhenItDiffers) {
    std::int32_t digit = 4;
    pooSetRGB(w, digit, 4, 10, 20, 30);
    EXPECT_TRUE(desk.log.events().empty());
    pooSetRGB(w, digit, 1, 10, 20, 30);
    EXPECT_EQ(Presses(), Repeat({10, 30}, 3));
    EXPECT_EQ(digit, 1);
}

class PooResetTest : public PooColourTest {
protected:
    void SetUp() override {
        ShowBoard();
        w.st.ClassCheck = True;
        w.st.poo = {7, 8, 9, 1, 2, 3};
    }
    const PooDigits before{7, 8, 9, 1, 2, 3};
};

TEST_F(PooResetTest, ClicksEveryDownButtonEnoughTimesAndClearsTheRecord) {
    EXPECT_EQ(pooResetRGB(w, True), 0);
    const std::vector<ScreenPoint> expected = Concat({
        Repeat({c.PooRBtn1.x, c.PooRBtn2.y}, 26), Repeat({c.PooRBtn2.x, c.PooRBtn2.y}, 11),
        Repeat({c.PooGBtn1.x, c.PooGBtn2.y}, 26), Repeat({c.PooGBtn2.x, c.PooGBtn2.y}, 11),
        Repeat({c.PooBBtn1.x, c.PooBBtn2.y}, 26), Repeat({c.PooBBtn2.x, c.PooBBtn2.y}, 11),
    });
    EXPECT_EQ(Presses(), expected);
    EXPECT_EQ(Releases(), expected);
    // The pointer is put on each column once, not before every click.
    EXPECT_EQ(desk.log.count(sim::EventKind::Move), 6);
    EXPECT_EQ(w.st.poo.PooRTens + w.st.poo.PooROnes + w.st.poo.PooGTens + w.st.poo.PooGOnes +
                  w.st.poo.PooBTens + w.st.poo.PooBOnes,
              0);
}

TEST_F(PooResetTest, AHandOnTheMouseStopsItAtOnceAndKeepsTheRecord) {
    desk.pointer.onRead = [&] {
        if (desk.log.count(sim::EventKind::ButtonUp) == 4) desk.pointer.userMoves({500, 500});
    };
    EXPECT_EQ(pooResetRGB(w, True), -1);
    EXPECT_EQ(Presses().size(), 4u);
    EXPECT_EQ(w.st.poo.PooRTens, before.PooRTens);
    EXPECT_EQ(w.st.poo.PooBOnes, before.PooBOnes);
}

TEST_F(PooResetTest, APointerFoundOnePixelOffDoesNotStopIt) {
    desk.pointer.onRead = [&] {
        const ScreenPoint put = Moves().back();
        desk.pointer.userMoves({put.x + 1, put.y - 1});
    };
    EXPECT_EQ(pooResetRGB(w, False), 0);
    EXPECT_EQ(Presses().size(), 111u);
}

TEST_F(PooResetTest, LeavingTheBoardStopsItOnlyWhileTheClassIsChecked) {
    desk.screen.removeWindow(boardWindow);
    EXPECT_EQ(pooResetRGB(w, True), -1);
    EXPECT_EQ(Presses().size(), 1u);

    desk.log.clear();
    w.st.ClassCheck = False;
    EXPECT_EQ(pooResetRGB(w, True), 0);
    EXPECT_EQ(Presses().size(), 111u);
}

}  // namespace
}  // namespace mipro::testing
