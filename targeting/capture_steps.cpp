#include "app/frame.h"
#include "app/steps.h"

namespace mipro {

void ST05_GetRgbPos(Wizard& w) {
    EnableFrom(w, {Control::cmdBACK}, w.st.StepDone(4, 0));
    EnableFrom(w, {Control::cmdNEXT}, w.st.StepDone(5, w.st.BoardKind));
}

void ST06_GetHomePos(Wizard& w) {
    EnableFrom(w, {Control::cmdBACK}, w.st.StepDone(5, w.st.BoardKind));
    EnableFrom(w, {Control::cmdNEXT}, w.st.StepDone(6, w.st.BoardKind));
}

}  // namespace mipro
