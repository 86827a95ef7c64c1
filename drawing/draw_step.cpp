#include "app/frame.h"
#include "app/steps.h"

namespace mipro {

void ST07_DrawProc(Wizard& w) {
    EnableFrom(w, {Control::cmdBACK}, w.st.StepDone(6, w.st.BoardKind));
    EnableFrom(w, {Control::cmdNEXT}, w.st.StepDone(7, 0));
}

}  // namespace mipro
