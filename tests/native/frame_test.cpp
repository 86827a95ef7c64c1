#include "app/frame.h"

#include <filesystem>
#include <fstream>

#include "app/app_title.h"
#include "base/nearest_int.h"
#include "drawing/draw_step.h"
#include "targeting/board_choice.h"
#include "wizard/pointer_places.h"
#include "wizard/step_controls.h"
#include "wizard_fixture.h"

namespace mipro::testing {

TEST(NearestInt, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(NearestInt(2.5), 2);
    EXPECT_EQ(NearestInt(3.5), 4);
    EXPECT_EQ(NearestInt(-2.5), -2);
    EXPECT_EQ(NearestInt(-3.5), -4);
    EXPECT_EQ(NearestInt(153.5), 154);
    EXPECT_EQ(NearestInt(2302.5), 2302);
    EXPECT_EQ(NearestInt(400.53), 401);
    EXPECT_EQ(NearestInt(-0.4), 0);
    EXPECT_EQ(NearestInt(46.67), 47);
}

TEST(AppTitle, IsThePrefixFollowedByTheThreeVersionNumbersAndB) {
    EXPECT_EQ(BuildAppTitle({1, 2, 3}), "ミプロ♪ ver.1.2.3b");
    EXPECT_EQ(BuildAppTitle({10, 0, 07}), "ミプロ♪ ver.10.0.7b");
}

class Frame : public WizardTest {};

TEST_F(Frame, InitProcSetsTheStartValues) {
    w.st.StepNo = 5;
    w.st.StepDone(3, 1) = True;
    InitProc(w);
    EXPECT_EQ(w.st.AppTitle, "ミプロ♪ ver.1.0.0b");
    EXPECT_EQ(desk.window.windowCaption(), w.st.AppTitle);
    EXPECT_EQ(w.st.StepNo, 0);
    for (int step = 0; step <= 7; ++step) {
        for (int kind = 0; kind <= 1; ++kind) {
            const Boolean expected = (step == 1 && kind == 0) ? True : False;
            EXPECT_EQ(w.st.StepDone(step, kind), expected) << "step " << step << " kind " << kind;
        }
    }
    EXPECT_EQ(w.st.CanClose, True);
    EXPECT_EQ(w.st.BoardKind, 0);
    EXPECT_EQ(w.st.SoundOn, 1);
    EXPECT_EQ(w.st.TwipsX, 15);
    EXPECT_EQ(w.st.TwipsY, 15);
    EXPECT_EQ(w.st.SndClick.size(), static_cast<std::size_t>(kClickBytes));
    EXPECT_EQ(w.st.SndEnd.size(), static_cast<std::size_t>(kEndBytes));
}

TEST_F(Frame, StepDoneElementsLieAtStepPlusEightTimesKind) {
    w.st.StepDone(5, 1) = True;
    EXPECT_EQ(w.st.StepDoneTable[13], True);
}

TEST_F(Frame, BeforeTheTimerNoButtonsShowAndStepOneIsNotEntered) {
    Form_Load(w);
    EXPECT_TRUE(desk.window.shown());
    EXPECT_TRUE(desk.window.timerEnabled());
    EXPECT_EQ(w.st.StepNo, 0);
    EXPECT_FALSE(desk.window.isVisible({Control::cmdNEXT}));
    EXPECT_FALSE(desk.window.isVisible({Control::lineTOP, 0}));
    EXPECT_TRUE(SoundsPlayed().empty());
    // The first page's design content shows from the start.
    for (int page = 1; page <= 7; ++page) EXPECT_EQ(desk.window.isVisible({Control::picSTEP, page}), page == 1);
    EXPECT_TRUE(desk.window.isVisible({Control::lblSTLBL, 1}));
}

TEST_F(Frame, StepOneAfterTheTimer) {
    Start();
    MainWindow& win = desk.window;
    EXPECT_FALSE(desk.window.timerEnabled());
    EXPECT_EQ(w.st.StepNo, 1);
    for (int page = 1; page <= 7; ++page) EXPECT_EQ(win.isVisible({Control::picSTEP, page}), page == 1);
    EXPECT_TRUE(win.isVisible({Control::lineTOP, 0}));
    EXPECT_TRUE(win.isVisible({Control::lineTOP, 1}));
    EXPECT_TRUE(win.isVisible({Control::cmdHELP}));
    EXPECT_FALSE(win.isEnabled({Control::cmdBACK}));
    EXPECT_TRUE(win.isEnabled({Control::cmdNEXT}));
    EXPECT_FALSE(win.isEnabled({Control::cmdHELP}));
    EXPECT_EQ(desk.window.focused(), (ControlRef{Control::cmdNEXT}));
    EXPECT_EQ(win.value({Control::chkSOUND}), 1);
    EXPECT_TRUE(win.isVisible({Control::imgSND, 1}));
    EXPECT_FALSE(win.isVisible({Control::imgSND, 0}));
    EXPECT_EQ(SoundsPlayed(), std::vector<int>{kClickBytes});
    // Next lies at 4440, 3930 twips: 296, 262 pixels in the client area at window (200, 150).
    EXPECT_EQ(desk.pointer.position(), (ScreenPoint{200 + 3 + 296 + 75, 150 + 26 + 262 + 10}));
    EXPECT_EQ(desk.log.count(sim::EventKind::DoEvents), 1);
}

TEST_F(Frame, GoPointerDefPosRoundsAnOddFrameHalfToEven) {
    InitProc(w);
    desk.window.outerExtraWidthPx = 7;
    desk.window.windowLeftPx = 100;
    GoPointerDefPos(w, {Control::cmdNEXT});
    // 100 + 3.5 + 296 + 75 = 474.5, which goes to the even 474.
    EXPECT_EQ(desk.pointer.position().x, 474);
    desk.window.windowLeftPx = 101;
    GoPointerDefPos(w, {Control::cmdNEXT});
    EXPECT_EQ(desk.pointer.position().x, 476);
}

TEST_F(Frame, UncheckingTheSoundBoxSwapsTheIconsAndSilencesLaterCues) {
    Start();
    desk.window.setValue({Control::chkSOUND}, 0);
    chkSOUND_Click(w);
    EXPECT_EQ(w.st.SoundOn, 0);
    EXPECT_TRUE(desk.window.isVisible({Control::imgSND, 0}));
    EXPECT_FALSE(desk.window.isVisible({Control::imgSND, 1}));
    desk.log.clear();
    cmdNEXT_Click(w);
    cmdBACK_Click(w);
    EXPECT_TRUE(SoundsPlayed().empty());
    // Coming back to step 1 keeps the user's choice.
    EXPECT_EQ(desk.window.value({Control::chkSOUND}), 0);
}

TEST_F(Frame, NextAndBackMoveOneStepWithinOneToSeven) {
    Start();
    cmdBACK_Click(w);
    EXPECT_EQ(w.st.StepNo, 1);
    for (int i = 0; i < 6; ++i) cmdNEXT_Click(w);
    EXPECT_EQ(w.st.StepNo, 7);
    desk.log.clear();
    cmdNEXT_Click(w);
    EXPECT_EQ(w.st.StepNo, 7);
    EXPECT_TRUE(desk.window.isVisible({Control::picSTEP, 7}));
    EXPECT_EQ(SoundsPlayed(), std::vector<int>{kClickBytes});
    cmdBACK_Click(w);
    EXPECT_EQ(w.st.StepNo, 6);
    EXPECT_EQ(SoundsPlayed(), (std::vector<int>{kClickBytes, kCancelBytes}));
    for (int page = 1; page <= 7; ++page) {
        EXPECT_EQ(desk.window.isVisible({Control::picSTEP, page}), page == 6);
        EXPECT_EQ(desk.window.isEnabled({Control::picSTEP, page}), page == 6);
    }
}

TEST_F(Frame, NextOnStepSevenReEntersStepSeven) {
    Start();
    for (int i = 0; i < 6; ++i) cmdNEXT_Click(w);
    w.st.StepDone(6, 0) = True;
    cmdNEXT_Click(w);
    // The step routine ran again: Back now follows the newly set flag.
    EXPECT_EQ(w.st.StepNo, 7);
    EXPECT_TRUE(desk.window.isEnabled({Control::cmdBACK}));
    EXPECT_FALSE(desk.window.isEnabled({Control::cmdNEXT}));
}

TEST_F(Frame, EnteringStepTwoSetsStepOneDoneBeforeTheStepRoutine) {
    Start();
    w.st.StepDone(1, 0) = False;
    cmdNEXT_Click(w);
    EXPECT_EQ(w.st.StepDone(1, 0), True);
    EXPECT_TRUE(desk.window.isEnabled({Control::cmdBACK}));
}

TEST_F(Frame, HelpOnlyClicks) {
    Start();
    desk.log.clear();
    cmdHELP_Click(w);
    EXPECT_EQ(w.st.StepNo, 1);
    EXPECT_EQ(SoundsPlayed(), std::vector<int>{kClickBytes});
}

TEST_F(Frame, SpeedButtonsSetTheWait) {
    optSPEED_Click(w, 0);
    EXPECT_EQ(w.st.SpeedWait, 3);
    optSPEED_Click(w, 1);
    EXPECT_EQ(w.st.SpeedWait, 15);
    EXPECT_EQ(w.st.SpeedIndex, 1);
    optSPEED_Click(w, 2);
    EXPECT_EQ(w.st.SpeedWait, 80);
    // The board's own pace starts with no pause.
    optSPEED_Click(w, 3);
    EXPECT_EQ(w.st.SpeedWait, 0);
    EXPECT_EQ(w.st.SpeedIndex, 3);
    optSPEED_Click(w, 9);
    EXPECT_EQ(w.st.SpeedWait, 80);
    EXPECT_EQ(w.st.SpeedIndex, 9);
}

TEST_F(Frame, StatusCaptionFollowsTheFlagOfTheCurrentStepAndBoard) {
    InitProc(w);
    w.st.StepNo = 5;
    w.st.StepDone(5, 0) = True;
    StInfoSetCaption(w);
    EXPECT_EQ(desk.window.caption({Control::lblSTINFO, 5}), "設定済みです。");
    w.st.BoardKind = 1;
    StInfoSetCaption(w);
    EXPECT_EQ(desk.window.caption({Control::lblSTINFO, 5}), "");
}

TEST_F(Frame, CaptureFlagsAreKeptPerBoardKind) {
    Start();
    for (int i = 0; i < 3; ++i) cmdNEXT_Click(w);  // step 4
    w.st.StepDone(5, 0) = True;
    w.st.StepDone(6, 0) = True;
    optBOARD_Click(w, 1);
    cmdNEXT_Click(w);
    EXPECT_FALSE(desk.window.isEnabled({Control::cmdNEXT}));
    cmdBACK_Click(w);
    optBOARD_Click(w, 0);
    cmdNEXT_Click(w);
    EXPECT_TRUE(desk.window.isEnabled({Control::cmdNEXT}));
    cmdNEXT_Click(w);
    EXPECT_TRUE(desk.window.isEnabled({Control::cmdBACK}));
    EXPECT_TRUE(desk.window.isEnabled({Control::cmdNEXT}));
}

TEST_F(Frame, ResizeRestoresTheTitleAfterAProgressCaption) {
    InitProc(w);
    desk.window.setWindowCaption(" 描画 42% 完了...");
    Form_Resize(w);
    EXPECT_EQ(desk.window.windowCaption(), w.st.AppTitle);
}

TEST_F(Frame, TheUserCannotCloseWhileExtractionRuns) {
    InitProc(w);
    w.st.CanClose = False;
    EXPECT_EQ(Form_QueryUnload(w, kUnloadFromUser), True);
    EXPECT_EQ(Form_QueryUnload(w, kUnloadFromCode), False);
    EXPECT_EQ(Form_QueryUnload(w, 2), False);
    EXPECT_EQ(Form_QueryUnload(w, 3), False);
    w.st.CanClose = True;
    EXPECT_EQ(Form_QueryUnload(w, kUnloadFromUser), False);
}

TEST_F(Frame, UnloadWithoutWorkFilesDoesNothingHarmful) {
    InitProc(w);
    EXPECT_NO_THROW(Form_Unload(w));
}

TEST_F(Frame, UnloadDeletesEveryWorkFileEvenWhenSomeAreMissing) {
    InitProc(w);
    const std::string dir = desk.files.tempPath();
    w.st.PixFile = dir + "MPR2.TMP";
    w.st.SortFile = dir + "MPR3.TMP";  // never written
    std::ofstream(w.st.PixFile) << "x";
    Form_Unload(w);
    for (const std::string* f : {&w.st.PixFile, &w.st.SortFile}) EXPECT_FALSE(std::filesystem::exists(*f)) << *f;
    EXPECT_EQ(desk.files.sortFilesRemoved, 1);
}

TEST_F(Frame, VersionLabelOpensTheAboutWindowModally) {
    Start();
    lblVersion_Click(w);
    EXPECT_EQ(desk.window.aboutShown(), 1);
    EXPECT_EQ(w.st.StepNo, 1);
}

}  // namespace mipro::testing
