#include "targeting/board_choice.h"

#include "wizard/option_group.h"
#include "wizard/step_controls.h"

namespace mipro {

void ST04_BoardSelect(Wizard& w) {
    const ControlRef chosen{Control::optBOARD, w.st.BoardKind};
    SelectOption(w.pf.window, chosen);
    w.pf.window.setFocus(chosen);
    w.st.StepDone(4, 0) = True;
    EnableFrom(w, {Control::cmdBACK}, w.st.StepDone(4, 0));
    EnableFrom(w, {Control::cmdNEXT}, w.st.StepDone(4, 0));
}

// Nothing else is reset: each board kind keeps its own captures and step flags.
void optBOARD_Click(Wizard& w, int Index) { w.st.BoardKind = static_cast<std::int16_t>(Index); }

}  // namespace mipro
