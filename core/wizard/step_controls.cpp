#include "wizard/step_controls.h"

namespace mipro {

void EnableFrom(Wizard& w, ControlRef c, Boolean flag) { w.pf.window.setEnabled(c, flag != False); }

void StInfoSetCaption(Wizard& w) {
    const bool done = w.st.StepDone(w.st.StepNo, w.st.BoardKind) != False;
    w.pf.window.setCaption({Control::lblSTINFO, w.st.StepNo}, done ? "設定済みです。" : "");
}

}  // namespace mipro
