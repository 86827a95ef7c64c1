#include "targeting/magnifier.h"

#include <algorithm>

#include "magnifier_driver.h"
#include "targeting/guide_picture.h"
#include "wizard_fixture.h"

namespace mipro::testing {

namespace {
constexpr ScreenPoint kScreenCentre{512, 384};
}

class MagnifierTest : public WizardTest {
protected:
    MagnifierTest() : hand(desk) {}

    void SetUp() override { InitProc(w); }

    void OpenFor(std::int32_t step, int kind) {
        w.st.StepNo = step;
        w.st.BoardKind = static_cast<std::int16_t>(kind);
        desk.log.clear();
        RunMagnifier(w);
    }

    sim::MagnifierRecord& mag() { return desk.screen.magnifiers.back(); }
    std::vector<ScreenPoint> Moves() const {
        std::vector<ScreenPoint> out;
        for (const auto& e : desk.log.only(sim::EventKind::Move)) out.push_back(e.at);
        return out;
    }
    int FocusRectsDrawn() const { return desk.log.count(sim::EventKind::FocusRect); }

    // Everything taken for the loop is given back.
    void ExpectAllReleased() {
        EXPECT_EQ(desk.screen.openDeviceContexts(), 0);
        EXPECT_EQ(desk.screen.focusRectsShowing(), 0);
        EXPECT_EQ(desk.pointer.shape(), PointerShape::Default);
        EXPECT_TRUE(mag().unloaded);
        for (const auto& s : mag().stretches) EXPECT_EQ(s.focusRectsShowing, 0) << "focus rectangle in the view";
    }

    MagnifierHand hand;
};

TEST_F(MagnifierTest, ANeverCapturedPositionOpensAtTheScreenCentre) {
    hand.key(MagnifierKey::Escape);
    OpenFor(5, 0);
    ASSERT_FALSE(Moves().empty());
    EXPECT_EQ(Moves().front(), kScreenCentre);
    EXPECT_EQ(mag().stretches.front().x, 512 - 268);
    EXPECT_EQ(mag().stretches.front().y, 384 - 50);
}

TEST_F(MagnifierTest, ItReopensWhereTheLastCaptureWasConfirmed) {
    w.st.capture.ShiHomeMag = {300, 200};
    w.st.capture.PooHomeMag = {700, 600};
    hand.key(MagnifierKey::Escape);
    OpenFor(6, 1);
    EXPECT_EQ(Moves().front(), (ScreenPoint{300, 200}));
    EXPECT_DOUBLE_EQ(mag().left, 300 * 15 - 2302);
}

TEST_F(MagnifierTest, TheWindowIsSizedForTheScreenAndLoadedWithTheGuides) {
    hand.key(MagnifierKey::Escape);
    OpenFor(6, 0);
    EXPECT_DOUBLE_EQ(mag().width, 307 * 15);
    EXPECT_DOUBLE_EQ(mag().height, 307 * 15);
    EXPECT_TRUE(mag().shown);
    EXPECT_EQ(mag().guide.width(), kGuideFrameSize * kGuideFrameCount);
}

TEST_F(MagnifierTest, AWindowWithoutTheGuideShowsTheViewAlone) {
    desk.screen.magnifiersRefuseGuide = true;
    hand.moveTo({600, 400}).rest(1).key(MagnifierKey::Enter);
    OpenFor(6, 0);
    EXPECT_EQ(mag().stretches.size(), 2u);
    EXPECT_TRUE(mag().frames.empty());
    EXPECT_EQ(w.st.capture.PooHomeMag, (ScreenPoint{600, 400}));
}

TEST_F(MagnifierTest, TheViewFollowsThePointerAndShowsTheSquareLeftOfIt) {
    hand.moveTo({600, 400}).rest(1).then([&] {
        EXPECT_DOUBLE_EQ(mag().left, 6698);
        EXPECT_DOUBLE_EQ(mag().top, 3698);
        EXPECT_EQ(mag().stretches.back().x, 332);
        EXPECT_EQ(mag().stretches.back().y, 350);
        EXPECT_NE(mag().stretches.back().source, 0);
    }).key(MagnifierKey::Escape);
    OpenFor(6, 0);
    EXPECT_EQ(mag().frames.back(), kGuideOrigin);
}

TEST_F(MagnifierTest, TheViewIsRedrawnOnlyWhenThePointerMoves) {
    hand.rest(20).then([&] { EXPECT_EQ(mag().stretches.size(), 1u); }).moveTo({100, 100}).rest(5).then([&] {
        EXPECT_EQ(mag().stretches.size(), 2u);
    }).key(MagnifierKey::Escape);
    OpenFor(6, 0);
}

TEST_F(MagnifierTest, TextsAreDrawnWhiteThenBlackOnePixelLowerRight) {
    hand.moveTo({600, 400}).rest(1).key(MagnifierKey::Escape);
    OpenFor(6, 0);
    const auto& t = mag().texts;
    ASSERT_GE(t.size(), 8u);
    const std::vector<sim::MagnifierRecord::Text> last(t.end() - 8, t.end());
    const char* words[] = {"Cursor Key: Window Move 1 Pixel", "Enter Key: Position Set", "ESC Key: Cancel",
                           " ( 600 , 400 )"};
    const int xs[] = {59, 59, 59, 169}, ys[] = {4, 19, 34, 34};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(last[i].text, words[i]);
        EXPECT_EQ(last[i].colour, 0xFFFFFF);
        EXPECT_EQ(last[i].x, xs[i]);
        EXPECT_EQ(last[i].y, ys[i]);
        EXPECT_EQ(last[4 + i].text, words[i]);
        EXPECT_EQ(last[4 + i].colour, 0);
        EXPECT_EQ(last[4 + i].x, xs[i] + 1);
        EXPECT_EQ(last[4 + i].y, ys[i] + 1);
    }
}

TEST(CoordinateText, HasOneLeadingBlankAndSingleBlanksAround) {
    EXPECT_EQ(CoordinateText({5, 1234}), " ( 5 , 1234 )");
    EXPECT_EQ(CoordinateText({600, 400}), " ( 600 , 400 )");
    EXPECT_EQ(CoordinateText({-3, 0}), " ( -3 , 0 )");
}

TEST_F(MagnifierTest, CursorKeysMoveThePointerOnePixelAndTheWindowFollows) {
    hand.moveTo({600, 400}).rest(1).key(MagnifierKey::Left).then([&] {
        EXPECT_EQ(desk.pointer.position(), (ScreenPoint{599, 400}));
        EXPECT_EQ(w.st.CurPnt, (ScreenPoint{599, 400}));
    }).key(MagnifierKey::Down).key(MagnifierKey::Down).key(MagnifierKey::Right).key(MagnifierKey::Right).key(MagnifierKey::Up).then([&] {
        EXPECT_EQ(desk.pointer.position(), (ScreenPoint{601, 401}));
        EXPECT_DOUBLE_EQ(mag().left, 601 * 15 - 2302);
        EXPECT_DOUBLE_EQ(mag().top, 401 * 15 - 2302);
    }).key(MagnifierKey::Other).then([&] { EXPECT_EQ(desk.pointer.position(), (ScreenPoint{601, 401})); }).key(MagnifierKey::Escape);
    OpenFor(6, 0);
}

TEST_F(MagnifierTest, EnterOnTheOriginRecordsItFromTheWindowAndEnds) {
    hand.moveTo({600, 400}).rest(1).key(MagnifierKey::Enter);
    OpenFor(6, 0);
    EXPECT_EQ(w.st.capture.PooHome, (ScreenPoint{382, 400}));
    EXPECT_EQ(w.st.capture.PooHomeMag, (ScreenPoint{600, 400}));
    EXPECT_EQ(w.st.StepDone(6, 0), True);
    EXPECT_EQ(w.st.StepDone(6, 1), False);
    EXPECT_EQ(SoundsPlayed(), std::vector<int>{kEnterBytes});
    EXPECT_TRUE(hand.done());
    ExpectAllReleased();
}

TEST_F(MagnifierTest, ThreeEntersRecordTheThreeChannelsWithTheirGuideFrames) {
    hand.moveTo({600, 400}).rest(1).key(MagnifierKey::Enter).moveTo({600, 500}).rest(1).key(MagnifierKey::Enter).moveTo({700, 500}).rest(1)
        .key(MagnifierKey::Enter);
    OpenFor(5, 0);
    const CaptureRecord& c = w.st.capture;
    EXPECT_EQ(c.PooRBtn1, (ScreenPoint{401, 391}));
    EXPECT_EQ(c.PooRBtn2, (ScreenPoint{421, 402}));
    EXPECT_EQ(c.PooGBtn1, (ScreenPoint{401, 491}));
    EXPECT_EQ(c.PooBBtn2, (ScreenPoint{521, 502}));
    EXPECT_EQ(c.PooBMag, (ScreenPoint{700, 500}));
    EXPECT_EQ(w.st.StepDone(5, 0), True);
    std::vector<int> shown = mag().frames;
    shown.erase(std::unique(shown.begin(), shown.end()), shown.end());
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(SoundsPlayed(), (std::vector<int>{kEnterBytes, kEnterBytes, kEnterBytes}));
    ExpectAllReleased();
}

TEST_F(MagnifierTest, PaintBBSShowsTheSliderFramesAndRecordsTheSliders) {
    hand.moveTo({600, 400}).rest(1).key(MagnifierKey::Enter).rest(1).key(MagnifierKey::Enter).rest(1).key(MagnifierKey::Enter);
    OpenFor(5, 1);
    EXPECT_EQ(w.st.capture.ShiRBar, (ScreenPoint{358, 396}));
    EXPECT_EQ(w.st.capture.ShiBBar, (ScreenPoint{358, 396}));
    EXPECT_EQ(w.st.capture.PooRBtn1, (ScreenPoint{}));
    std::vector<int> shown = mag().frames;
    shown.erase(std::unique(shown.begin(), shown.end()), shown.end());
    EXPECT_EQ(shown, (std::vector<int>{4, 5, 6}));
}

TEST_F(MagnifierTest, AfterAConfirmationANeverCapturedChannelShowsAtOnceWithoutMoving) {
    hand.moveTo({600, 400}).rest(1).key(MagnifierKey::Enter).then([&] {
        EXPECT_EQ(mag().frames.back(), kGuideOekakiControls + 1);
        EXPECT_EQ(desk.pointer.position(), (ScreenPoint{600, 400}));
        EXPECT_EQ(desk.log.count(sim::EventKind::Move), 1);  // the opening only
    }).key(MagnifierKey::Escape).key(MagnifierKey::Escape);
    OpenFor(5, 0);
}

TEST_F(MagnifierTest, AfterAConfirmationAnEarlierCaptureOfTheNextChannelIsWhereItGoes) {
    w.st.capture.PooGMag = {450, 300};
    hand.moveTo({600, 400}).rest(1).key(MagnifierKey::Enter).rest(1).then([&] {
        EXPECT_EQ(desk.pointer.position(), (ScreenPoint{450, 300}));
        EXPECT_DOUBLE_EQ(mag().left, 450 * 15 - 2302);
        EXPECT_EQ(mag().frames.back(), kGuideOekakiControls + 1);
    }).key(MagnifierKey::Escape).key(MagnifierKey::Escape);
    OpenFor(5, 0);
}

TEST_F(MagnifierTest, EscapeOnBlueStepsBackToWhereGreenWasConfirmed) {
    hand.moveTo({600, 400}).rest(1).key(MagnifierKey::Enter).moveTo({620, 420}).rest(1).key(MagnifierKey::Enter).moveTo({700, 500}).rest(1)
        .key(MagnifierKey::Escape).rest(1).then([&] {
            EXPECT_EQ(desk.pointer.position(), (ScreenPoint{620, 420}));
            EXPECT_EQ(mag().frames.back(), kGuideOekakiControls + 1);
        }).key(MagnifierKey::Escape).rest(1).then([&] {
            EXPECT_EQ(desk.pointer.position(), (ScreenPoint{600, 400}));
            EXPECT_EQ(mag().frames.back(), kGuideOekakiControls);
        }).key(MagnifierKey::Escape);
    OpenFor(5, 0);
    EXPECT_TRUE(hand.done());
    EXPECT_EQ(w.st.StepDone(5, 0), False);
    // Channels confirmed before the cancel keep their values.
    EXPECT_EQ(w.st.capture.PooGMag, (ScreenPoint{620, 420}));
    EXPECT_EQ(w.st.capture.PooBMag, (ScreenPoint{}));
    ExpectAllReleased();
}

TEST_F(MagnifierTest, EscapeBeforeTheFirstConfirmationEndsWithNothingRecorded) {
    w.st.StepDone(6, 1) = True;
    const CaptureRecord before = w.st.capture;
    hand.moveTo({600, 400}).rest(1).key(MagnifierKey::Escape);
    OpenFor(6, 1);
    EXPECT_EQ(w.st.capture.ShiHomeMag, before.ShiHomeMag);
    EXPECT_EQ(w.st.capture.ShiHome, before.ShiHome);
    EXPECT_EQ(w.st.StepDone(6, 1), True);  // unchanged
    EXPECT_EQ(SoundsPlayed(), std::vector<int>{kCancelBytes});
    ExpectAllReleased();
}

TEST_F(MagnifierTest, ALeftClickActsAsEnterAndARightClickAsEscape) {
    // Right: back from green to red, then, on red, the end.
    hand.moveTo({600, 400}).rest(1).click(MouseButton::Left).click(MouseButton::Right).click(MouseButton::Right);
    OpenFor(5, 0);
    EXPECT_TRUE(hand.done());
    EXPECT_EQ(w.st.capture.PooRMag, (ScreenPoint{600, 400}));
    EXPECT_EQ(w.st.capture.PooGMag, (ScreenPoint{}));
    EXPECT_EQ(w.st.StepDone(5, 0), False);
    EXPECT_EQ(SoundsPlayed(), (std::vector<int>{kEnterBytes, kCancelBytes, kCancelBytes}));
}

TEST_F(MagnifierTest, TheMiddleButtonDoesNothing) {
    hand.moveTo({600, 400}).rest(1).click(MouseButton::Middle).rest(3).then([&] {
        EXPECT_EQ(w.st.capture.PooHomeMag, (ScreenPoint{}));
        EXPECT_TRUE(SoundsPlayed().empty());
    }).click(MouseButton::Right);
    OpenFor(6, 0);
    EXPECT_TRUE(hand.done());
}

TEST_F(MagnifierTest, ClosingTheWindowEndsPositioningAndGivesEverythingBack) {
    hand.moveTo({600, 400}).rest(1).close();
    OpenFor(6, 0);
    EXPECT_EQ(w.st.StepDone(6, 0), False);
    EXPECT_EQ(w.st.capture.PooHomeMag, (ScreenPoint{}));
    ExpectAllReleased();
}

TEST_F(MagnifierTest, ClosingItWhileItIsPlacedEndsBeforeTheLoopStarts) {
    desk.window.post([&] { desk.screen.magnifiers.back().events->Form_Unload(); });
    OpenFor(6, 0);
    EXPECT_TRUE(mag().stretches.empty());
    ExpectAllReleased();
}

TEST_F(MagnifierTest, AFailureInsideTheLoopStillGivesEverythingBack) {
    hand.moveTo({600, 400}).rest(150).then([] { throw std::runtime_error("boom"); });
    EXPECT_THROW(OpenFor(6, 0), std::runtime_error);
    EXPECT_EQ(desk.screen.openDeviceContexts(), 0);
    EXPECT_EQ(desk.screen.focusRectsShowing(), 0);
    EXPECT_EQ(desk.pointer.shape(), PointerShape::Default);
}

TEST_F(MagnifierTest, ThePointerShowsSizeAllWhilePositioning) {
    hand.rest(1).then([&] { EXPECT_EQ(desk.pointer.shape(), PointerShape::SizeAll); }).key(MagnifierKey::Escape);
    OpenFor(6, 0);
    EXPECT_EQ(desk.pointer.shape(), PointerShape::Default);
}

TEST_F(MagnifierTest, TheFocusRectangleMarksTheSquareAndReturnsAfterMoreThan100RestingPasses) {
    // The first pass draws the view: the rectangle of the opening is erased before the copy.
    hand.rest(100).then([&] { EXPECT_EQ(FocusRectsDrawn(), 2); }).then([&] {
        EXPECT_EQ(FocusRectsDrawn(), 3);
        EXPECT_EQ(desk.screen.focusRectsShowing(), 1);
        EXPECT_EQ(desk.log.only(sim::EventKind::FocusRect).back().rect, (ScreenRect{244, 334, 344, 434}));
    }).moveTo({600, 400}).rest(1).then([&] {
        EXPECT_EQ(FocusRectsDrawn(), 4);
        EXPECT_EQ(desk.screen.focusRectsShowing(), 0);
    }).key(MagnifierKey::Escape);
    OpenFor(6, 0);
    ExpectAllReleased();
}

TEST_F(MagnifierTest, PassesWithMovementNeitherCountNorResetTheRestingCount) {
    // Pass 1 draws; passes 2-52 rest (51); pass 53 sees the move; from pass 54 the count goes on.
    hand.rest(51).moveTo({300, 300}).rest(49).then([&] { EXPECT_EQ(FocusRectsDrawn(), 2); }).then([&] {
        EXPECT_EQ(FocusRectsDrawn(), 3);
        EXPECT_EQ(desk.log.only(sim::EventKind::FocusRect).back().rect, (ScreenRect{32, 250, 132, 350}));
    }).key(MagnifierKey::Escape);
    OpenFor(6, 0);
    ExpectAllReleased();
}

TEST_F(MagnifierTest, KeysAfterPositioningHasEndedAreIgnored) {
    w.st.StepNo = 5;
    Magnifier m(w);
    m.InitFormSize();
    m.Form_KeyDown(MagnifierKey::Enter);
    m.Form_MouseUp(MouseButton::Left);
    EXPECT_EQ(w.st.capture.PooRMag, (ScreenPoint{}));
    EXPECT_TRUE(SoundsPlayed().empty());
}

}  // namespace mipro::testing
