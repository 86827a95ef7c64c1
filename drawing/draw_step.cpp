#include "drawing/draw_step.h"

#include "app/frame.h"
#include "app/steps.h"
#include "drawing/draw_run.h"

namespace mipro {

namespace {
constexpr int kThisStep = 7;
constexpr int kPreviousStep = 6;
}  // namespace

void ST07_DrawProc(Wizard& w) {
    MainWindow& win = w.pf.window;
    win.setVisible({Control::imgSTIMG, 6}, w.st.BoardKind == kBoardOekaki);
    win.setVisible({Control::imgSTIMG, 7}, w.st.BoardKind == kBoardPaint);
    EnableFrom(w, {Control::cmdBACK}, w.st.StepDone(kPreviousStep, w.st.BoardKind));
    EnableFrom(w, {Control::cmdNEXT}, w.st.StepDone(kThisStep, 0));
    // Selecting the button applies its speed, as a click on it would.
    win.setValue({Control::optSPEED, w.st.SpeedIndex}, 1);
    optSPEED_Click(w, w.st.SpeedIndex);
    win.setFocus({Control::cmdDRAW});
}

void cmdDRAW_Click(Wizard& w) { RunDraw(w); }

}  // namespace mipro
