#include "app/frame.h"
#include "app/steps.h"

namespace mipro {

void ST02_ImageGetProc(Wizard& w) {
    EnableFrom(w, {Control::cmdBACK}, w.st.StepDone(1, 0));
    EnableFrom(w, {Control::cmdNEXT}, w.st.StepDone(2, 0));
}

}  // namespace mipro
