#include "platform/win32/command_dispatch.h"

#include "app/frame.h"
#include "drawing/draw_step.h"
#include "picture/image_get_step.h"
#include "targeting/board_choice.h"
#include "targeting/capture_steps.h"

namespace mipro::win32 {

void DispatchClick(Wizard& w, ControlRef clicked) {
    switch (clicked.id) {
        case Control::cmdNEXT:
            cmdNEXT_Click(w);
            break;
        case Control::cmdBACK:
            cmdBACK_Click(w);
            break;
        case Control::cmdHELP:
            cmdHELP_Click(w);
            break;
        case Control::chkSOUND:
            chkSOUND_Click(w);
            break;
        case Control::optSPEED:
            optSPEED_Click(w, clicked.index);
            break;
        case Control::optBOARD:
            optBOARD_Click(w, clicked.index);
            break;
        case Control::cmdOPEN:
            cmdOPEN_Click(w);
            break;
        case Control::lblVERSION:
            lblVersion_Click(w);
            break;
        case Control::cmdGETRGB:
            cmdGETRGB_Click(w);
            break;
        case Control::cmdGETHOME:
            cmdGETHOME_Click(w);
            break;
        case Control::cmdDRAW:
            cmdDRAW_Click(w);
            break;
        // Handlers of the steps' own buttons: each owner adds its case here.
        // cmdOPEN -> cmdOPEN_Click, cmdGETRGB -> cmdGETRGB_Click, cmdGETHOME -> cmdGETHOME_Click,
        // cmdDRAW -> cmdDRAW_Click.
        default:
            break;
    }
}

void DispatchFormMouseUp(Wizard& w) { Form_MouseUp(w); }

}  // namespace mipro::win32
