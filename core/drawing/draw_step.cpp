#include "drawing/draw_step.h"

#include "drawing/board_pace.h"
#include "drawing/draw_run.h"
#include "targeting/board_kinds.h"
#include "wizard/option_group.h"
#include "wizard/step_controls.h"

namespace mipro {

namespace {
constexpr int kThisStep = 7;
constexpr int kPreviousStep = 6;
}  // namespace

void ST07_DrawProc(Wizard& w) {
    MainWindow& win = w.pf.window;
    ShowKindIllustration(w, &BoardKindPlaces::drawImage);
    EnableFrom(w, {Control::cmdBACK}, w.st.StepDone(kPreviousStep, w.st.BoardKind));
    EnableFrom(w, {Control::cmdNEXT}, w.st.StepDone(kThisStep, 0));
    // Selecting the button applies its speed, as a click on it would.
    SelectOption(win, {Control::optSPEED, w.st.SpeedIndex});
    optSPEED_Click(w, w.st.SpeedIndex);
    win.setValue({Control::chkCHECK}, w.st.CheckAfterDraw != False ? 1 : 0);
    win.setValue({Control::chkSTROKE}, w.st.StrokeRuns != False ? 1 : 0);
    win.setFocus({Control::cmdDRAW});
}

void optSPEED_Click(Wizard& w, int Index) {
    switch (Index) {
        case 0:
            w.st.SpeedWait = 3;
            break;
        case 1:
            w.st.SpeedWait = 15;
            break;
        case kBoardPaceSpeed:
            w.st.SpeedWait = 0;
            break;
        default:
            w.st.SpeedWait = 80;
            break;
    }
    w.st.SpeedIndex = Index;
}

void cmdDRAW_Click(Wizard& w) { RunDraw(w); }

void chkCHECK_Click(Wizard& w) { w.st.CheckAfterDraw = ToBoolean(w.pf.window.value({Control::chkCHECK}) != 0); }

void chkSTROKE_Click(Wizard& w) { w.st.StrokeRuns = ToBoolean(w.pf.window.value({Control::chkSTROKE}) != 0); }

}  // namespace mipro
