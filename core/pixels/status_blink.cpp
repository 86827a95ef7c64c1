#include "pixels/status_blink.h"

namespace mipro {

StatusBlink::StatusBlink(Wizard& w) : w_(w) { restart(); }

void StatusBlink::restart() { start_ = w_.pf.clock.secondsSinceMidnight(); }

void StatusBlink::tick() {
    const float now = w_.pf.clock.secondsSinceMidnight();
    if (now - start_ > kPeriodSeconds) {
        const ControlRef label{Control::lblSTINFO, w_.st.StepNo};
        w_.pf.window.setVisible(label, !w_.pf.window.isVisible(label));
        start_ = now;
    }
}

}  // namespace mipro
