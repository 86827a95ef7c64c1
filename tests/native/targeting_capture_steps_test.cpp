#include "targeting/capture_steps.h"

#include "magnifier_driver.h"
#include "targeting/board_choice.h"
#include "wizard/pointer_places.h"
#include "wizard_fixture.h"

namespace mipro::testing {

namespace {
const std::string kRgbLead = "ＲＧＢ（色指定）ボタンの座標を設定してください。";
const std::string kRgbTail =
    "「設定」ボタンを押すと、デスクトップ上を拡大表示するウィンドウが表示されます。\xE3\x80\x80"
    "ウィンドウを動かしてガイドとボタンの位置を合わせてください。";
}  // namespace

TEST(RgbStepText, IsThreeParagraphsWithThePictureSizeAndTheBoard) {
    EXPECT_EQ(RgbStepText(320, 240, 0),
              kRgbLead + "\r\n\r\n320 x 240 pixel 以上で oekakiBBS を開いてください。\r\n\r\n" + kRgbTail);
    EXPECT_EQ(RgbStepText(600, 17, 1),
              kRgbLead + "\r\n\r\n600 x 17 pixel 以上で PaintBBS を開いてください。\r\n\r\n" + kRgbTail);
}

class CaptureSteps : public WizardTest {
protected:
    CaptureSteps() : hand(desk) {}
    void SetUp() override {
        Start();
        w.st.StepDone(4, 0) = True;
        w.st.ImgWidth = 320;
        w.st.ImgHeight = 240;
    }
    void Enter(std::int32_t step, int kind) {
        w.st.StepNo = step;
        w.st.BoardKind = static_cast<std::int16_t>(kind);
        if (step == 5) ST05_GetRgbPos(w);
        else ST06_GetHomePos(w);
    }
    bool Enabled(Control c) { return desk.window.isEnabled({c}); }
    bool ImageShown(int i) { return desk.window.isVisible({Control::imgSTIMG, i}); }
    // Where GoPointerDefPos parks the pointer on a button.
    ScreenPoint ParkingOn(Control c) {
        GoPointerDefPos(w, {c});
        const ScreenPoint p = desk.pointer.position();
        desk.pointer.userMoves({1, 1});
        return p;
    }
    // A complete capture through the "設定..." button of the current step.
    void CompleteCapture() {
        const int enters = w.st.StepNo == 5 ? 3 : 1;
        hand.moveTo({600, 400}).rest(1);
        for (int i = 0; i < enters; ++i) hand.key(MagnifierKey::Enter).rest(1);
        if (w.st.StepNo == 5) cmdGETRGB_Click(w);
        else cmdGETHOME_Click(w);
    }

    MagnifierHand hand;
};

TEST_F(CaptureSteps, StepFiveShowsTheTextAndTheIllustrationOfTheBoard) {
    Enter(5, 0);
    EXPECT_EQ(desk.window.caption({Control::lblSTLBL, 5}), RgbStepText(320, 240, 0));
    EXPECT_TRUE(ImageShown(2));
    EXPECT_FALSE(ImageShown(3));
    Enter(5, 1);
    EXPECT_EQ(desk.window.caption({Control::lblSTLBL, 5}), RgbStepText(320, 240, 1));
    EXPECT_FALSE(ImageShown(2));
    EXPECT_TRUE(ImageShown(3));
}

TEST_F(CaptureSteps, StepSixShowsTheIllustrationOfTheBoard) {
    Enter(6, 1);
    EXPECT_FALSE(ImageShown(4));
    EXPECT_TRUE(ImageShown(5));
    Enter(6, 0);
    EXPECT_TRUE(ImageShown(4));
    EXPECT_FALSE(ImageShown(5));
}

TEST_F(CaptureSteps, AFirstVisitParksThePointerOnTheSetButtonWithNextDisabled) {
    const ScreenPoint onRgb = ParkingOn(Control::cmdGETRGB);
    Enter(5, 0);
    EXPECT_FALSE(Enabled(Control::cmdNEXT));
    EXPECT_TRUE(Enabled(Control::cmdBACK));
    EXPECT_EQ(desk.pointer.position(), onRgb);
    EXPECT_EQ(desk.window.focused(), (ControlRef{Control::cmdGETRGB}));
    EXPECT_EQ(desk.window.caption({Control::lblSTINFO, 5}), "");
    const ScreenPoint onHome = ParkingOn(Control::cmdGETHOME);
    Enter(6, 0);
    EXPECT_EQ(desk.pointer.position(), onHome);
    EXPECT_FALSE(Enabled(Control::cmdBACK));  // step 5 of this board is not done
}

TEST_F(CaptureSteps, TheSetButtonHidesTheMainWindowForTheCaptureAndComesBack) {
    Enter(5, 0);
    desk.log.clear();
    bool hiddenDuringCapture = false;
    hand.then([&] { hiddenDuringCapture = !desk.window.shown(); });
    CompleteCapture();
    EXPECT_TRUE(hiddenDuringCapture);
    EXPECT_TRUE(desk.window.shown());
    EXPECT_EQ(SoundsPlayed().front(), kClickBytes);
    // The main window is gone before the magnifier opens: events run, then a 100 ms pause.
    const auto& events = desk.log.events();
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(events[1].kind, sim::EventKind::DoEvents);
    EXPECT_EQ(events[2].kind, sim::EventKind::Sleep);
    EXPECT_EQ(events[2].value, 100);
    EXPECT_EQ(desk.screen.magnifiers.size(), 1u);
    EXPECT_TRUE(desk.screen.magnifiers.back().unloaded);
    EXPECT_EQ(desk.pointer.shape(), PointerShape::Default);
}

TEST_F(CaptureSteps, ACompletedCaptureEnablesNextAndParksThePointerOnIt) {
    const ScreenPoint onNext = ParkingOn(Control::cmdNEXT);
    Enter(5, 0);
    CompleteCapture();
    EXPECT_TRUE(Enabled(Control::cmdNEXT));
    EXPECT_EQ(desk.pointer.position(), onNext);
    EXPECT_EQ(desk.window.focused(), (ControlRef{Control::cmdNEXT}));
    EXPECT_EQ(desk.window.caption({Control::lblSTINFO, 5}), "設定済みです。");
}

TEST_F(CaptureSteps, ACancelledFirstCaptureLeavesNextDisabledAndThePointerWhereItWas) {
    Enter(6, 1);
    hand.moveTo({600, 400}).rest(1).key(MagnifierKey::Escape);
    cmdGETHOME_Click(w);
    EXPECT_FALSE(Enabled(Control::cmdNEXT));
    EXPECT_EQ(desk.pointer.position(), (ScreenPoint{600, 400}));
    EXPECT_EQ(w.st.StepDone(6, 1), False);
}

TEST_F(CaptureSteps, EachCaptureStartsWithAFreshMagnifier) {
    Enter(6, 0);
    CompleteCapture();
    CompleteCapture();
    EXPECT_EQ(desk.screen.magnifiers.size(), 2u);
    // The second one reopened where the first was confirmed.
    EXPECT_EQ(w.st.capture.PooHomeMag, (ScreenPoint{600, 400}));
}

TEST_F(CaptureSteps, EachBoardKindKeepsItsOwnFlagsAcrossASwitch) {
    Enter(5, 0);
    CompleteCapture();
    Enter(6, 0);
    EXPECT_TRUE(Enabled(Control::cmdBACK));
    CompleteCapture();
    const CaptureRecord pooCaptured = w.st.capture;

    w.st.StepNo = 4;
    ST04_BoardSelect(w);
    optBOARD_Click(w, 1);
    Enter(5, 1);
    EXPECT_FALSE(Enabled(Control::cmdNEXT));
    Enter(6, 1);
    EXPECT_FALSE(Enabled(Control::cmdBACK));
    EXPECT_FALSE(Enabled(Control::cmdNEXT));

    optBOARD_Click(w, 0);
    Enter(5, 0);
    EXPECT_TRUE(Enabled(Control::cmdNEXT));
    Enter(6, 0);
    EXPECT_TRUE(Enabled(Control::cmdNEXT));
    EXPECT_EQ(w.st.capture.PooRBtn1, pooCaptured.PooRBtn1);
    EXPECT_EQ(w.st.capture.PooHome, pooCaptured.PooHome);
}

TEST_F(CaptureSteps, BoardSelectionShowsTheKindChosenAndEnablesBothButtons) {
    w.st.StepNo = 4;
    w.st.BoardKind = 1;
    ST04_BoardSelect(w);
    EXPECT_EQ(desk.window.value({Control::optBOARD, 1}), 1);
    EXPECT_EQ(desk.window.value({Control::optBOARD, 0}), 0);
    EXPECT_EQ(desk.window.focused(), (ControlRef{Control::optBOARD, 1}));
    EXPECT_TRUE(Enabled(Control::cmdBACK));
    EXPECT_TRUE(Enabled(Control::cmdNEXT));
    EXPECT_EQ(w.st.StepDone(4, 0), True);
}

// Page 5 shows the chosen board's own choices: none on oekakiBBS, exact colours on PaintBBS, the
// code kind's three, each box showing its setting.
TEST_F(CaptureSteps, StepFiveShowsTheChoicesOfTheBoardChosen) {
    const Control kBoxes[] = {Control::chkSHIEXACT, Control::chkCODEOPEN, Control::chkCODECLOSE, Control::chkCODEHASH};
    const struct {
        int kind;
        std::vector<bool> shown;
        int image;
    } kPages[] = {{kBoardOekaki, {false, false, false, false}, 2},
                  {kBoardPaint, {true, false, false, false}, 3},
                  {kBoardCode, {false, true, true, true}, 8}};
    for (const auto& page : kPages) {
        SCOPED_TRACE("board kind " + std::to_string(page.kind));
        Enter(5, page.kind);
        for (std::size_t i = 0; i < std::size(kBoxes); ++i) EXPECT_EQ(desk.window.isVisible({kBoxes[i]}), page.shown[i]);
        for (int image : {2, 3, 8}) EXPECT_EQ(ImageShown(image), image == page.image);
    }
    EXPECT_EQ(desk.window.value({Control::chkCODEHASH}), 1) << "the code's hash is on at first";
    EXPECT_EQ(desk.window.value({Control::chkCODEOPEN}), 0);
}

// The code kind's capture takes the places its choices ask for, in their order, each under its
// own guide frame: the button that opens the field, the field, the current colour, the button that
// closes the window.
TEST_F(CaptureSteps, TheCodeKindCapturesThePlacesItsChoicesAskFor) {
    const struct {
        bool opens, closes;
        std::vector<int> frames;
    } kCases[] = {{false, false, {8, 9}}, {true, false, {7, 8, 9}}, {true, true, {7, 8, 9, 10}}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.opens ? "opens " : "") + (c.closes ? "closes" : ""));
        w.st.capture = {};
        w.st.StepDone(5, kBoardCode) = False;
        w.st.codeChoices = {ToBoolean(c.opens), ToBoolean(c.closes), True};
        Enter(5, kBoardCode);
        for (std::size_t i = 0; i < c.frames.size(); ++i)
            hand.moveTo({600 + 10 * static_cast<int>(i), 400}).rest(1).key(MagnifierKey::Enter).rest(1);
        cmdGETRGB_Click(w);
        EXPECT_EQ(w.st.StepDone(5, kBoardCode), True);
        std::vector<int> frames;
        for (int f : desk.screen.magnifiers.back().frames)
            if (frames.empty() || frames.back() != f) frames.push_back(f);
        EXPECT_EQ(frames, c.frames);
        const CaptureRecord& r = w.st.capture;
        EXPECT_EQ(r.CodeOpenMag.x != 0, c.opens);
        EXPECT_EQ(r.CodeCloseMag.x != 0, c.closes);
        EXPECT_NE(r.CodeFieldMag.x, 0);
        EXPECT_NE(r.CodeSwatchMag.x, 0);
        // The mark lies on the source square's (50, 50): the row the pointer was on.
        EXPECT_EQ(r.CodeField.y, r.CodeFieldMag.y);
    }
}

// A choice that asks for a place not yet captured takes the step back until it is; one that drops
// a place leaves the step done; the page's text names the places in their order.
TEST_F(CaptureSteps, ACodeChoiceNeedingAnotherPlaceWaitsForItsCapture) {
    Enter(5, kBoardCode);
    hand.moveTo({600, 400}).rest(1).key(MagnifierKey::Enter).rest(1).key(MagnifierKey::Enter).rest(1);
    cmdGETRGB_Click(w);
    ASSERT_TRUE(Enabled(Control::cmdNEXT));

    desk.window.setValue({Control::chkCODECLOSE}, 1);
    chkCODECLOSE_Click(w);
    EXPECT_FALSE(Enabled(Control::cmdNEXT));
    EXPECT_NE(desk.window.caption({Control::lblSTLBL, 5}).find("今の色が見える所 (アイコンのない所)、閉じるボタン"),
              std::string::npos);

    desk.window.setValue({Control::chkCODECLOSE}, 0);
    chkCODECLOSE_Click(w);
    EXPECT_TRUE(Enabled(Control::cmdNEXT));
    EXPECT_EQ(desk.window.caption({Control::lblSTINFO, 5}), "設定済みです。");
}

}  // namespace mipro::testing
