// The draw run of step 7 on the simulated desktop: its phases, questions, pauses, progress
// captions and the way every path out gives back what the run took.
#include "drawing/draw_run.h"

#include <cstdio>
#include <functional>

#include "app/main_form.h"
#include "drawing/desk_position.h"
#include "drawing/draw_step.h"
#include "drawing_fixture.h"

namespace mipro::testing {
namespace {

const std::string kNoBoardDesktop = "お絵描き掲示板が表示されていないようです。\r\nデスクトップに描画しますか？";
const std::string kNoBoardStop = "お絵描き掲示板が表示されていないようです。\r\n描画を止めますか？";
const std::string kStop = "描画を止めますか？";
const std::string kGoOn = "描画を続けますか？";
const std::string kPickPlace = "デスクトップに描画する位置を指定してください";
const std::string kFinalCaption = " 描画 100% 完了...";

constexpr int kYes = MsgBox::AnswerYes;
constexpr int kNo = MsgBox::AnswerNo;

// Three lines of one dark colour, then one red.
const std::vector<std::string> kFourPixels = {
    "000000000000000", "000000000000001", "000000000002003", "255000000001000"};

class DrawRunTest : public DrawingTest {
protected:
    DrawRunTest() {
        ShowBoard();
        WriteSortFile(kFourPixels);
        desk.window.onDoEvents = [this] {
            captions.push_back(desk.window.windowCaption());
            if (!desk.window.topmost() || !desk.window.minimized()) windowBackDuringRun = true;
            if (desk.screen.openDeviceContexts() != 1) dcMissingDuringRun = true;
            if (desk.clock.timerResolutionRaised() != 1) timerNotRaisedDuringRun = true;
            if (w.st.DeskWaiting != False) Form_MouseUp(w);
        };
    }

    ScreenPoint Origin() const { return w.st.capture.PooHome; }
    ScreenPoint Start() const { return {Origin().x - 5, Origin().y}; }
    ScreenPoint OnCanvas(int x, int y) const { return {Origin().x + x, Origin().y + y}; }

    std::vector<ScreenPoint> CanvasPresses() const {
        std::vector<ScreenPoint> on;
        for (const ScreenPoint& p : Presses())
            if (p.x >= Origin().x && p.y >= Origin().y) on.push_back(p);
        return on;
    }
    int PressesAt(ScreenPoint p) const {
        const auto all = Presses();
        return static_cast<int>(std::count(all.begin(), all.end(), p));
    }
    bool EndCuePlayed() const {
        const auto s = SoundsPlayed();
        return std::find(s.begin(), s.end(), kEndBytes) != s.end();
    }
    // The user's hand takes the mouse away once, at the first pointer read that finds `when` true.
    void HandMovesOnceWhen(std::function<bool()> when) {
        desk.pointer.onRead = [this, when] {
            if (!handMoved && when()) {
                handMoved = true;
                desk.pointer.userMoves({600, 600});
            }
        };
    }
    // The events from the first question on.
    std::vector<sim::Event> FromFirstQuestion() const {
        const auto& e = desk.log.events();
        const auto question = std::find_if(e.begin(), e.end(),
                                           [](const sim::Event& x) { return x.kind == sim::EventKind::MessageBox; });
        return {question, e.end()};
    }
    void ShowDesktopIconsOnly() {
        desk.screen.removeWindow(boardWindow);
        desk.screen.addWindow({0, 0, 1024, 768}, "SysListView32");
    }

    std::vector<std::string> captions;
    bool handMoved = false;
    bool windowBackDuringRun = false;
    bool dcMissingDuringRun = false;
    bool timerNotRaisedDuringRun = false;
};

// --- A whole run into a board ---

// A logoff in the middle of a run: the screen, the topmost state, the timer resolution and the work
// files are given back before the program is ended (here the end is an exception out of the loop).
TEST_F(DrawRunTest, TheSessionEndingMidRunGivesBackWhatTheRunHolds) {
    struct SessionEnded {};
    MainForm form(w);
    desk.window.attach(form);
    desk.window.onDoEvents = [&] {
        desk.window.sessionEnds();
        throw SessionEnded{};
    };
    EXPECT_THROW(RunDraw(w), SessionEnded);
    ExpectResourcesGivenBack();
    EXPECT_FALSE(desk.files.fileExists(w.st.SortFile));
}

// A session end that comes while the window's events wait (a signal on Linux) is let through at
// the next pixel, not at the next whole per cent, which on a large picture at the slow speed is
// many minutes away.
TEST_F(DrawRunTest, ASessionEndAskedForMidRunIsDeliveredAtTheNextPixel) {
    constexpr int kPixels = 300;  // a whole per cent is three pixels
    std::vector<std::string> lines;
    for (int x = 0; x < kPixels; ++x) {
        char line[16];
        std::snprintf(line, sizeof line, "000000000000%03d", x);
        lines.push_back(line);
    }
    WriteSortFile(lines);
    MainForm form(w);
    desk.window.attach(form);
    // Asked for while the second pixel is aimed at: that pixel is drawn, the third is not.
    desk.pointer.onRead = [&] {
        if (desk.pointer.position() == OnCanvas(1, 0)) desk.window.sessionEndAsked();
    };
    EXPECT_THROW(RunDraw(w), sim::ProgramEnded);
    EXPECT_EQ(CanvasPresses(), (std::vector<ScreenPoint>{OnCanvas(0, 0), OnCanvas(1, 0)}));
    ExpectResourcesGivenBack();
    EXPECT_FALSE(desk.files.fileExists(w.st.SortFile));
}

// On a scaled display a browser's page pixels are screen pixels only at the zoom that undoes the
// scale: the user is told which, once, before the first run into a browser.
TEST_F(DrawRunTest, ABrowserBoardOnAScaledDisplayGetsTheZoomNoteOnce) {
    desk.screen.removeWindow(boardWindow);
    ShowBoard("Chrome_RenderWidgetHostHWND");
    desk.screen.setDisplayScale(1.5);
    RunDraw(w);
    RunDraw(w);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0],
              "画面の表示スケールが 150% です。\r\nブラウザの表示倍率を 67% にして、ページの 1 ピクセルが画面の 1 "
              "ピクセルになるようにしてください。");
    EXPECT_EQ(CanvasPresses().size(), 2 * kFourPixels.size());
}

TEST_F(DrawRunTest, AnAppletOrAnUnscaledDisplayGetsNoZoomNote) {
    desk.screen.setDisplayScale(1.25);
    RunDraw(w);
    desk.screen.removeWindow(boardWindow);
    ShowBoard("MozillaWindowClass");
    desk.screen.setDisplayScale(1.0);
    RunDraw(w);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(DrawRunTest, EveryPixelIsClickedAtTheCanvasOriginPlusItsPlace) {
    cmdDRAW_Click(w);
    EXPECT_EQ(CanvasPresses(), (std::vector<ScreenPoint>{OnCanvas(0, 0), OnCanvas(1, 0), OnCanvas(3, 2),
                                                         OnCanvas(0, 1)}));
    EXPECT_EQ(Releases().size(), Presses().size());
    EXPECT_TRUE(desk.dialogs.shown.empty());
}

TEST_F(DrawRunTest, APixelIsAPauseOnItThenAClickWithPausesAroundTheRelease) {
    WriteSortFile({"000000000004005"});
    cmdDRAW_Click(w);
    const auto& e = desk.log.events();
    const ScreenPoint p = OnCanvas(5, 4);
    const auto first = std::find_if(e.begin(), e.end(), [&](const sim::Event& x) { return x.at == p; });
    ASSERT_GE(std::distance(first, e.end()), static_cast<long>(8));
    const std::vector<sim::EventKind> kinds = {sim::EventKind::Move, sim::EventKind::Sleep, sim::EventKind::Move,
                                               sim::EventKind::ButtonDown, sim::EventKind::Sleep,
                                               sim::EventKind::Move, sim::EventKind::ButtonUp,
                                               sim::EventKind::Sleep};
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        EXPECT_EQ(first[i].kind, kinds[i]) << i;
        if (kinds[i] == sim::EventKind::Sleep) {
            EXPECT_EQ(first[i].value, kFastWait) << i;
        } else {
            EXPECT_EQ(first[i].at, p) << i;
        }
    }
}

TEST_F(DrawRunTest, TheStartClicksLeftOfTheCanvasAfterTheFixedPausesThenResetsToBlack) {
    cmdDRAW_Click(w);
    const std::vector<int> sleeps = Sleeps();
    ASSERT_GE(sleeps.size(), 4u);
    EXPECT_EQ(std::vector<int>(sleeps.begin(), sleeps.begin() + 4), (std::vector<int>{1500, 10, 10, 100}));
    const auto presses = Presses();
    ASSERT_FALSE(presses.empty());
    EXPECT_EQ(presses.front(), Start());
    // One reset before drawing and one after: 111 clicks each, and the red 255 of the last pixel.
    EXPECT_EQ(PressesAt({w.st.capture.PooRBtn1.x, w.st.capture.PooRBtn2.y}), 2 * 26);
    EXPECT_EQ(PressesAt({w.st.capture.PooBBtn2.x, w.st.capture.PooBBtn2.y}), 2 * 11);
    EXPECT_EQ(PressesAt({w.st.capture.PooRBtn1.x, w.st.capture.PooRBtn1.y}), 25);
}

TEST_F(DrawRunTest, DuringTheRunTheWindowIsMinimisedTopmostWithTheScreenAndTimerHeld) {
    cmdDRAW_Click(w);
    ASSERT_FALSE(captions.empty());
    EXPECT_FALSE(windowBackDuringRun);
    EXPECT_FALSE(dcMissingDuringRun);
    EXPECT_FALSE(timerNotRaisedDuringRun);
    EXPECT_EQ(desk.window.focused(), (ControlRef{Control::cmdBACK}));
}

TEST_F(DrawRunTest, AFinishedRunResetsTheColourPlaysTheEndAndStaysMinimised) {
    cmdDRAW_Click(w);
    EXPECT_TRUE(desk.window.minimized());
    EXPECT_EQ(SoundsPlayed(), (std::vector<int>{kClickBytes, kEndBytes}));
    EXPECT_EQ(Sleeps().back(), 500);
    EXPECT_EQ(Moves().back(), Start());
    EXPECT_EQ(desk.window.windowCaption(), kFinalCaption);
    EXPECT_EQ(w.st.poo.PooRTens + w.st.poo.PooROnes, 0);
    ExpectResourcesGivenBack();
}

TEST_F(DrawRunTest, EightPixelsShowEveryWholePercentOnceThenTheFinalCaption) {
    std::vector<std::string> lines;
    for (int x = 0; x < 8; ++x) lines.push_back("00000000000000" + std::to_string(x));
    WriteSortFile(lines);
    cmdDRAW_Click(w);
    std::vector<std::string> expected;
    for (int pct : {12, 25, 37, 50, 62, 75, 87, 100}) expected.push_back(" 描画 " + std::to_string(pct) + "% 完了...");
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(desk.window.windowCaption(), kFinalCaption);
}

TEST_F(DrawRunTest, TheCaptionWaitsUntilTheWholePercentChanges) {
    std::vector<std::string> lines(250, "000000000000000");
    WriteSortFile(lines);
    cmdDRAW_Click(w);
    ASSERT_EQ(captions.size(), 100u);
    EXPECT_EQ(captions.front(), " 描画 1% 完了...");
    EXPECT_EQ(captions[28], " 描画 29% 完了...");
}

TEST_F(DrawRunTest, AnEmptyListEndsAtOnceWithTheResetAndTheEndCue) {
    WriteSortFile({});
    cmdDRAW_Click(w);
    EXPECT_TRUE(captions.empty());
    EXPECT_TRUE(CanvasPresses().empty());
    EXPECT_EQ(Presses().size(), 1u + 111u + 111u);
    EXPECT_EQ(desk.window.windowCaption(), kFinalCaption);
    EXPECT_TRUE(EndCuePlayed());
    ExpectResourcesGivenBack();
}

TEST_F(DrawRunTest, APixelCountOfZeroCountsAsAllDrawnInsteadOfDividingByZero) {
    w.st.PixCount = 0;
    cmdDRAW_Click(w);
    EXPECT_EQ(captions, std::vector<std::string>{kFinalCaption});
    EXPECT_EQ(CanvasPresses().size(), kFourPixels.size());
}

TEST_F(DrawRunTest, AnUnreadableListIsReportedAndTheRunEndsCleanly) {
    w.st.SortFile = desk.files.tempPath() + "no-such-list.TMP";
    cmdDRAW_Click(w);
    ASSERT_EQ(desk.dialogs.shown.size(), 1u);
    EXPECT_EQ(desk.dialogs.shown[0].text, "ピクセル情報のファイルを開けませんでした。\r\n描画を中止します。");
    EXPECT_EQ(desk.dialogs.shown[0].style, MsgBox::OkOnly | MsgBox::Exclamation);
    EXPECT_EQ(desk.dialogs.shown[0].title, w.st.AppTitle);
    EXPECT_FALSE(desk.window.minimized());
    EXPECT_TRUE(CanvasPresses().empty());
    EXPECT_FALSE(EndCuePlayed());
    ExpectResourcesGivenBack();
}

TEST_F(DrawRunTest, OnPaintBbsEverySliderGoesToZeroFirstAndOnlyMovedOnesAtTheEnd) {
    w.st.BoardKind = kBoardPaint;
    w.st.shi = {0, 0, 0};  // whatever the record says, the start moves all three
    WriteSortFile({"250000000001002"});
    cmdDRAW_Click(w);
    const CaptureRecord& c = w.st.capture;
    const auto lowEnd = [](ScreenPoint bar) { return std::vector<ScreenPoint>{bar, {bar.x - 1, bar.y}}; };
    EXPECT_EQ(Presses(), Concat({{Start()}, lowEnd(c.ShiRBar), lowEnd(c.ShiGBar), lowEnd(c.ShiBBar),
                                 {{c.ShiRBar.x + 48, c.ShiRBar.y}, {c.ShiRBar.x + 49, c.ShiRBar.y}},
                                 {{c.ShiHome.x + 2, c.ShiHome.y + 1}},
                                 lowEnd(c.ShiRBar)}));
    EXPECT_EQ(w.st.shi.ShiRNow, 0);
    EXPECT_TRUE(EndCuePlayed());
    ExpectResourcesGivenBack();
}

// --- The decision on what lies under the start point ---

TEST_F(DrawRunTest, ABoardUnderTheStartPointNeedsNoQuestion) {
    cmdDRAW_Click(w);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(w.st.ClassCheck, True);
}

TEST_F(DrawRunTest, DesktopIconsDeclinedRestoresTheWindowAndDrawsNothing) {
    ShowDesktopIconsOnly();
    desk.dialogs.answers = {kNo};
    cmdDRAW_Click(w);
    EXPECT_EQ(Messages(), std::vector<std::string>{kNoBoardDesktop});
    EXPECT_EQ(desk.dialogs.shown[0].style, MsgBox::YesNo | MsgBox::Question);
    EXPECT_EQ(desk.dialogs.shown[0].title, w.st.AppTitle);
    EXPECT_TRUE(Presses().empty());
    EXPECT_FALSE(desk.window.minimized());
    EXPECT_FALSE(EndCuePlayed());
    EXPECT_EQ(Moves().back(), Start());
    ExpectResourcesGivenBack();
}

TEST_F(DrawRunTest, SomethingElseUnderTheStartPointAndStopRestoresTheWindow) {
    desk.screen.removeWindow(boardWindow);
    desk.dialogs.answers = {kYes};
    cmdDRAW_Click(w);
    EXPECT_EQ(Messages(), std::vector<std::string>{kNoBoardStop});
    EXPECT_EQ(desk.dialogs.shown[0].style, MsgBox::YesNo | MsgBox::Question);
    EXPECT_TRUE(Presses().empty());
    EXPECT_FALSE(desk.window.minimized());
    ExpectResourcesGivenBack();
}

TEST_F(DrawRunTest, SomethingElseUnderTheStartPointButGoOnDrawsWithoutTheClassCheck) {
    desk.screen.removeWindow(boardWindow);
    desk.dialogs.answers = {kNo};
    cmdDRAW_Click(w);
    EXPECT_EQ(w.st.ClassCheck, False);
    EXPECT_EQ(CanvasPresses().size(), kFourPixels.size());
    EXPECT_TRUE(EndCuePlayed());
    EXPECT_TRUE(desk.window.minimized());
}

// --- The preparation loop ---

class InterruptedResetTest : public DrawRunTest {
protected:
    // The user's hand moves once, during the fourth click of the first reset.
    void HandMovesInFirstReset() {
        HandMovesOnceWhen([this] { return desk.log.count(sim::EventKind::ButtonUp) == 1 + 4; });
    }
};

TEST_F(InterruptedResetTest, StoppingRestoresTheWindowWithoutDrawing) {
    HandMovesInFirstReset();
    desk.dialogs.answers = {kYes};
    cmdDRAW_Click(w);
    EXPECT_EQ(Messages(), std::vector<std::string>{kStop});
    EXPECT_EQ(desk.dialogs.shown[0].style, MsgBox::YesNo | MsgBox::Question);
    EXPECT_EQ(Presses().size(), 1u + 4u);
    EXPECT_FALSE(desk.window.minimized());
    EXPECT_FALSE(EndCuePlayed());
    ExpectResourcesGivenBack();
}

TEST_F(InterruptedResetTest, GoingOnRetriesTheWholePreparationAfterAPause) {
    HandMovesInFirstReset();
    desk.dialogs.answers = {kNo};
    cmdDRAW_Click(w);
    EXPECT_EQ(PressesAt(Start()), 2);
    EXPECT_EQ(CanvasPresses().size(), kFourPixels.size());
    // The retry waits 1500 ms and clicks the start point again.
    const std::vector<sim::Event> question = FromFirstQuestion();
    ASSERT_GE(question.size(), 3u);
    EXPECT_EQ(question[1].kind, sim::EventKind::Sleep);
    EXPECT_EQ(question[1].value, 1500);
    EXPECT_EQ(question[2].at, Start());
}

TEST_F(DrawRunTest, AHandOnTheMouseDuringTheStartClickSkipsTheReset) {
    HandMovesOnceWhen([this] { return desk.log.count(sim::EventKind::ButtonUp) == 1; });
    desk.dialogs.answers = {kYes};
    cmdDRAW_Click(w);
    EXPECT_EQ(Presses().size(), 1u);
    EXPECT_EQ(Messages(), std::vector<std::string>{kStop});
}

// --- A hand on the mouse while drawing ---

class HandWhileDrawingTest : public DrawRunTest {
protected:
    // Moves the pointer away at the check after the pointer reached the second pixel.
    void HandMovesAtSecondPixel() {
        HandMovesOnceWhen([this] { return desk.pointer.position() == OnCanvas(1, 0); });
    }
};

TEST_F(HandWhileDrawingTest, NotGoingOnLeavesTheWindowMinimisedWithoutResetOrEndCue) {
    HandMovesAtSecondPixel();
    desk.dialogs.answers = {kNo};
    cmdDRAW_Click(w);
    EXPECT_EQ(Messages(), std::vector<std::string>{kGoOn});
    EXPECT_EQ(desk.dialogs.shown[0].style, MsgBox::YesNo | MsgBox::Exclamation);
    EXPECT_EQ(CanvasPresses(), std::vector<ScreenPoint>{OnCanvas(0, 0)});
    EXPECT_EQ(Presses().size(), 1u + 111u + 1u);
    EXPECT_TRUE(desk.window.minimized());
    EXPECT_FALSE(EndCuePlayed());
    EXPECT_EQ(Moves().back(), Start());
    ExpectResourcesGivenBack();
}

// A click of the colour change may have been lost to the hand, so the colour is brought back to a
// known one (a complete reset on oekakiBBS) before the pixel is drawn.
TEST_F(HandWhileDrawingTest, GoingOnRefocusesTheBoardAndResetsTheColourBeforeDrawingThePixel) {
    HandMovesAtSecondPixel();
    desk.dialogs.answers = {kYes};
    cmdDRAW_Click(w);
    EXPECT_EQ(CanvasPresses().size(), kFourPixels.size());
    const std::vector<sim::Event> question = FromFirstQuestion();
    ASSERT_GE(question.size(), 7u);
    const std::vector<sim::EventKind> kinds = {sim::EventKind::Sleep,      sim::EventKind::Move,
                                               sim::EventKind::ButtonDown, sim::EventKind::Sleep,
                                               sim::EventKind::ButtonUp,   sim::EventKind::Sleep};
    for (std::size_t i = 0; i < kinds.size(); ++i) EXPECT_EQ(question[1 + i].kind, kinds[i]) << i;
    EXPECT_EQ(question[1].value, 1500);
    EXPECT_EQ(question[2].at, Start());
    EXPECT_EQ(question[4].value, 100);
    EXPECT_EQ(question[6].value, 100);
    std::vector<ScreenPoint> pressesAfter;
    for (const sim::Event& e : question)
        if (e.kind == sim::EventKind::ButtonDown) pressesAfter.push_back(e.at);
    ASSERT_GE(pressesAfter.size(), 1u + 111u + 1u);
    for (int i = 1; i <= 111; ++i) EXPECT_LT(pressesAfter[i].x, Origin().x) << "reset click " << i;
    EXPECT_EQ(pressesAfter[112], OnCanvas(1, 0));
    EXPECT_TRUE(w.st.poo.known);
    EXPECT_TRUE(EndCuePlayed());
}

// --- Drawing on the desktop ---

class DesktopRunTest : public DrawRunTest {
protected:
    DesktopRunTest() {
        ShowDesktopIconsOnly();
        desk.dialogs.answers = {kYes};
        w.st.ImgWidth = 4;
        w.st.ImgHeight = 3;
        WriteSortFile({"010020030000000", "200100050002003"});
    }
};

TEST_F(DesktopRunTest, PaintsEachPixelAtThePlaceChosenWithoutClicking) {
    cmdDRAW_Click(w);
    EXPECT_EQ(Messages(), (std::vector<std::string>{kNoBoardDesktop, kPickPlace}));
    EXPECT_EQ(desk.dialogs.shown[1].style, MsgBox::OkOnly | MsgBox::Information);
    EXPECT_EQ(w.st.ClassCheck, False);
    EXPECT_TRUE(Presses().empty());
    // Released at the screen centre (512, 384): the picture's corner is at (510, 382).
    const auto pixels = desk.log.only(sim::EventKind::SetPixel);
    ASSERT_EQ(pixels.size(), 2u);
    EXPECT_EQ(pixels[0].at, (ScreenPoint{510, 382}));
    EXPECT_EQ(pixels[0].value, 10 | 20 << 8 | 30 << 16);
    EXPECT_EQ(pixels[1].at, (ScreenPoint{513, 384}));
    EXPECT_EQ(pixels[1].value, 200 | 100 << 8 | 50 << 16);
    EXPECT_TRUE(EndCuePlayed());
    EXPECT_EQ(Moves().back(), (ScreenPoint{512, 384}));
    ExpectResourcesGivenBack();
}

TEST_F(DesktopRunTest, ThePointerVisitsTheOriginBeforeTheFirstPixelAndThenWaitsAtThePreviousOne) {
    cmdDRAW_Click(w);
    // The second pause of 1500 ms follows the choice of the place.
    std::vector<sim::Event> afterChoice;
    int settles = 0;
    for (const auto& e : desk.log.events()) {
        const bool drawing = e.kind == sim::EventKind::Move || e.kind == sim::EventKind::SetPixel;
        if (settles == 2 && drawing) afterChoice.push_back(e);
        if (e.kind == sim::EventKind::Sleep && e.value == 1500) ++settles;
    }
    ASSERT_GE(afterChoice.size(), 6u);
    EXPECT_EQ(afterChoice[0].at, (ScreenPoint{0, 0}));
    EXPECT_EQ(afterChoice[1].at, (ScreenPoint{510, 382}));
    EXPECT_EQ(afterChoice[2].kind, sim::EventKind::SetPixel);
    EXPECT_EQ(afterChoice[3].at, (ScreenPoint{510, 382}));
    EXPECT_EQ(afterChoice[4].at, (ScreenPoint{513, 384}));
    EXPECT_EQ(afterChoice[5].kind, sim::EventKind::SetPixel);
}

// --- Entering step 7 ---

TEST_F(DrawingTest, EnteringStepSevenShowsTheBoardPictureAndAppliesTheChosenSpeed) {
    w.st.StepNo = 7;
    w.st.BoardKind = kBoardPaint;
    w.st.SpeedIndex = 2;
    w.st.StepDone(6, kBoardPaint) = True;
    ST07_DrawProc(w);
    EXPECT_FALSE(desk.window.isVisible({Control::imgSTIMG, 6}));
    EXPECT_TRUE(desk.window.isVisible({Control::imgSTIMG, 7}));
    EXPECT_EQ(desk.window.value({Control::optSPEED, 2}), 1);
    EXPECT_EQ(w.st.SpeedWait, 80);
    EXPECT_TRUE(desk.window.isEnabled({Control::cmdBACK}));
    EXPECT_FALSE(desk.window.isEnabled({Control::cmdNEXT}));
    EXPECT_EQ(desk.window.focused(), (ControlRef{Control::cmdDRAW}));

    w.st.BoardKind = kBoardOekaki;
    ST07_DrawProc(w);
    EXPECT_TRUE(desk.window.isVisible({Control::imgSTIMG, 6}));
    EXPECT_FALSE(desk.window.isVisible({Control::imgSTIMG, 7}));
    EXPECT_FALSE(desk.window.isEnabled({Control::cmdBACK}));
}

}  // namespace
}  // namespace mipro::testing
