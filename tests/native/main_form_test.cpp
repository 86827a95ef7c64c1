// frmMAIN's events reach their handlers through the core's one map, clicked on the simulated
// window as a user clicks the real one.
#include "app/main_form.h"

#include <functional>

#include "app/frame.h"
#include "magnifier_driver.h"
#include "wizard_fixture.h"

namespace mipro::testing {

namespace {

class MainFormEvents : public WizardTest {
protected:
    MainFormEvents() {
        desk.window.attach(form);
        Form_Load(w);
        desk.window.wakeupTimerFires();
    }

    MainForm form{w};
};

struct Route {
    const char* what;
    ControlRef control;
    int page;
    std::function<bool(Wizard&, sim::SimDesktop&)> ran;
};

const Route kRoutes[] = {
    {"Next", {Control::cmdNEXT}, 1, [](Wizard& w, auto&) { return w.st.StepNo == 2; }},
    {"Back", {Control::cmdBACK}, 2, [](Wizard& w, auto&) { return w.st.StepNo == 1; }},
    {"the sound box", {Control::chkSOUND}, 1, [](Wizard& w, auto&) { return w.st.SoundOn == 0; }},
    {"the version label", {Control::lblVERSION}, 1,
     [](Wizard& w, sim::SimDesktop& d) { return d.window.aboutShown() == 1 && d.window.aboutTitle() == w.st.AppTitle; }},
    {"the slow speed", {Control::optSPEED, 2}, 7,
     [](Wizard& w, auto&) { return w.st.SpeedWait == 80 && w.st.SpeedIndex == 2; }},
    {"32 colours", {Control::optCOLOURS, 2}, 3, [](Wizard& w, auto&) { return w.st.ColourCount == 32; }},
    {"dithering", {Control::chkDITHER}, 3, [](Wizard& w, auto&) { return w.st.Dithering == True; }},
    {"PaintBBS", {Control::optBOARD, 1}, 4, [](Wizard& w, auto&) { return w.st.BoardKind == 1; }},
    {"the browse button", {Control::cmdOPEN}, 2,
     [](Wizard&, sim::SimDesktop& d) { return d.dialogs.requests.size() == 1; }},
    {"the colour controls' 設定...", {Control::cmdGETRGB}, 5,
     [](Wizard&, sim::SimDesktop& d) { return d.screen.magnifiers.size() == 1; }},
    {"the origin's 設定...", {Control::cmdGETHOME}, 6,
     [](Wizard&, sim::SimDesktop& d) { return d.screen.magnifiers.size() == 1; }},
    {"the check after the run", {Control::chkCHECK}, 7,
     [](Wizard& w, auto&) { return w.st.CheckAfterDraw == False; }},
    {"lines for runs", {Control::chkSTROKE}, 7, [](Wizard& w, auto&) { return w.st.StrokeRuns == True; }},
    {"描画開始", {Control::cmdDRAW}, 7,
     [](Wizard&, sim::SimDesktop& d) { return d.dialogs.shown.size() == 1; }},
};

TEST_F(MainFormEvents, EveryClickableControlRunsItsOwnHandler) {
    for (const Route& route : kRoutes) {
        SCOPED_TRACE(route.what);
        sim::SimDesktop fresh(OptionsFor(CurrentTestName()));
        Wizard wizard(fresh.platform);
        MainForm handlers(wizard);
        fresh.window.attach(handlers);
        Form_Load(wizard);
        fresh.window.wakeupTimerFires();
        wizard.st.StepDone(4, 0) = wizard.st.StepDone(5, 0) = wizard.st.StepDone(6, 0) = True;
        wizard.st.StepNo = route.page;
        ProcCall(wizard);
        // The magnifier is closed with Escape, the draw run's question answered "stop".
        MagnifierHand hand(fresh);
        hand.key(MagnifierKey::Escape);
        fresh.dialogs.answers.push_back(MsgBox::AnswerYes);

        fresh.window.userClicks(route.control);
        EXPECT_TRUE(route.ran(wizard, fresh));
    }
}

TEST_F(MainFormEvents, TheWakeupTimerEntersStepOne) {
    EXPECT_EQ(w.st.StepNo, 1);
    EXPECT_FALSE(desk.window.timerEnabled());
    desk.window.wakeupTimerFires();
    EXPECT_EQ(w.st.StepNo, 1);
}

TEST_F(MainFormEvents, ClicksOnDisabledControlsAndHiddenPagesRunNothing) {
    const std::vector<int> before = SoundsPlayed();
    desk.window.userClicks({Control::cmdHELP});
    desk.window.userClicks({Control::cmdBACK});
    desk.window.userClicks({Control::cmdDRAW});
    desk.window.userClicks({Control::optBOARD, 1});
    EXPECT_EQ(w.st.StepNo, 1);
    EXPECT_EQ(w.st.BoardKind, 0);
    EXPECT_EQ(SoundsPlayed(), before);
    EXPECT_TRUE(desk.dialogs.shown.empty());
}

TEST_F(MainFormEvents, TheCloseBoxIsRefusedOnlyWhileTheWindowCannotClose) {
    w.st.CanClose = False;
    EXPECT_FALSE(desk.window.userCloses());
    w.st.CanClose = True;
    w.st.SortFile = desk.files.tempFileName(desk.files.tempPath(), "MPR");
    EXPECT_TRUE(desk.window.userCloses());
    EXPECT_FALSE(desk.files.fileExists(w.st.SortFile));
    EXPECT_EQ(desk.files.sortFilesRemoved, 1);
}

TEST_F(MainFormEvents, AMouseUpFixesTheDesktopPlaceOnlyWhileOneIsAwaited) {
    w.st.ImgWidth = 10;
    w.st.ImgHeight = 10;
    desk.pointer.userMoves({100, 100});
    desk.window.mouseUp();
    EXPECT_EQ(w.st.DeskPnt, ScreenPoint{});
    w.st.DeskWaiting = True;
    desk.window.mouseUp();
    EXPECT_EQ(w.st.DeskPnt, (ScreenPoint{95, 95}));
    EXPECT_EQ(w.st.DeskWaiting, False);
}

}  // namespace

}  // namespace mipro::testing
