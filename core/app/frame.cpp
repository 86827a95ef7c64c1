#include "app/frame.h"

#include "app/app_title.h"
#include "base/nearest_int.h"
#include "drawing/draw_step.h"
#include "picture/image_get_step.h"
#include "pixels/img_analy_step.h"
#include "targeting/board_choice.h"
#include "targeting/capture_steps.h"
#include "wizard/pointer_places.h"
#include "wizard/sound_cues.h"
#include "wizard/step_controls.h"

namespace mipro {

namespace {

constexpr int kFirstStep = 1;
constexpr int kLastStep = 7;

void ResetStepFlags(State& st) {
    for (int step = 0; step <= 7; ++step) {
        st.StepDone(step, 0) = False;
        st.StepDone(step, 1) = False;
    }
    st.StepDone(1, 0) = True;
    st.StepDone(7, 0) = False;
}

}  // namespace

void Form_Load(Wizard& w) {
    w.pf.window.showWindow(true);
    InitProc(w);
    w.pf.window.enableWakeupTimer(true);
}

void InitProc(Wizard& w) {
    State& st = w.st;
    st.AppTitle = BuildAppTitle(w.pf.version);
    w.pf.window.setWindowCaption(st.AppTitle);

    st.StepNo = 0;
    ResetStepFlags(st);

    st.CanClose = True;
    st.BoardKind = kBoardOekaki;
    st.SpeedIndex = 0;
    st.SoundOn = 1;
    st.ImgFileName.clear();
    st.ImgInfoText.clear();

    st.TwipsX = NearestInt(w.pf.screen.twipsPerPixelX());
    st.TwipsY = NearestInt(w.pf.screen.twipsPerPixelY());

    LoadSounds(w);
}

void tmrWakeup_Timer(Wizard& w) {
    MainWindow& win = w.pf.window;
    win.enableWakeupTimer(false);
    win.setVisible({Control::lineTOP, 0}, true);
    win.setVisible({Control::lineTOP, 1}, true);
    win.setVisible({Control::cmdBACK}, true);
    win.setVisible({Control::cmdNEXT}, true);
    win.setVisible({Control::cmdHELP}, true);
    cmdNEXT_Click(w);
}

void ProcCall(Wizard& w) {
    MainWindow& win = w.pf.window;
    for (int page = kFirstStep; page <= kLastStep; ++page) {
        win.setVisible({Control::picSTEP, page}, false);
        win.setEnabled({Control::picSTEP, page}, false);
        win.moveControl({Control::picSTEP, page}, 0, 0);
    }
    if (w.st.StepNo >= kFirstStep && w.st.StepNo <= kLastStep) {
        win.setVisible({Control::picSTEP, w.st.StepNo}, true);
        win.setEnabled({Control::picSTEP, w.st.StepNo}, true);
    }

    switch (w.st.StepNo) {
        case 1:
            ST01_StartProc(w);
            break;
        case 2:
            w.st.StepDone(1, 0) = True;
            ST02_ImageGetProc(w);
            break;
        case 3:
            ST03_ImgAnaly(w);
            break;
        case 4:
            ST04_BoardSelect(w);
            break;
        case 5:
            ST05_GetRgbPos(w);
            break;
        case 6:
            ST06_GetHomePos(w);
            break;
        default:
            ST07_DrawProc(w);
            break;
    }
}

// Page 6's size boxes are taken as the page is left, whichever way, so that going Back and
// coming again shows the user's correction instead of the size found before it.
void LeaveStep(Wizard& w) {
    if (w.st.StepNo == kCanvasStep) TakeCanvasSizeFromPage(w);
}

void cmdNEXT_Click(Wizard& w) {
    PlaySnd(w, "CLICK");
    LeaveStep(w);
    if (w.st.StepNo < kLastStep) w.st.StepNo += 1;
    ProcCall(w);
}

void cmdBACK_Click(Wizard& w) {
    PlaySnd(w, "CANCEL");
    LeaveStep(w);
    if (w.st.StepNo > kFirstStep) w.st.StepNo -= 1;
    ProcCall(w);
}

void cmdHELP_Click(Wizard& w) { PlaySnd(w, "CLICK"); }

void ST01_StartProc(Wizard& w) {
    MainWindow& win = w.pf.window;
    // Setting the check box raises its click when the value changes, as a user's click would.
    const ControlRef chk{Control::chkSOUND};
    const bool changes = win.value(chk) != w.st.SoundOn;
    win.setValue(chk, w.st.SoundOn);
    if (changes) chkSOUND_Click(w);

    EnableFrom(w, {Control::cmdBACK}, w.st.StepDone(0, 0));
    EnableFrom(w, {Control::cmdNEXT}, w.st.StepDone(1, 0));
    win.setEnabled({Control::cmdHELP}, false);

    GoPointerDefPos(w, {Control::cmdNEXT});
    win.setFocus({Control::cmdNEXT});
    win.doEvents();
}

void chkSOUND_Click(Wizard& w) {
    MainWindow& win = w.pf.window;
    w.st.SoundOn = win.value({Control::chkSOUND});
    win.setVisible({Control::imgSND, 0}, w.st.SoundOn == 0);
    win.setVisible({Control::imgSND, 1}, w.st.SoundOn == 1);
}

void lblVersion_Click(Wizard& w) { w.pf.window.showAboutModal(w.st.AppTitle); }

void Form_Resize(Wizard& w) { w.pf.window.setWindowCaption(w.st.AppTitle); }

Boolean Form_QueryUnload(Wizard& w, int UnloadMode) {
    if (UnloadMode != kUnloadFromUser) return False;
    return w.st.CanClose != False ? False : True;
}

void Form_Unload(Wizard& w) {
    const State& st = w.st;
    for (const std::string* file : {&st.PixFile, &st.SortFile}) {
        if (!file->empty()) w.pf.files.deleteFile(*file);
    }
    w.pf.files.removeSortFiles();
}

void EndSession(Wizard& w) {
    Form_QueryUnload(w, kUnloadFromSession);
    if (w.st.ScreenDC != 0) w.pf.screen.releaseDC(0, w.st.ScreenDC);
    w.st.ScreenDC = 0;
    w.pf.window.setTopmost(false);
    w.pf.window.releaseCapture();
    w.pf.clock.restoreTimerResolution();
    w.pf.pointer.setShape(PointerShape::Default);
    w.pf.files.stopSorts();
    Form_Unload(w);
}

}  // namespace mipro
