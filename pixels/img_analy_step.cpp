#include "app/frame.h"
#include "app/steps.h"

namespace mipro {

void ST03_ImgAnaly(Wizard& w) {
    EnableFrom(w, {Control::cmdBACK}, w.st.StepDone(2, 0));
    EnableFrom(w, {Control::cmdNEXT}, w.st.StepDone(3, 0));
}

}  // namespace mipro
