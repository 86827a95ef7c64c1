// Option buttons: the buttons of one control array form a group, of which one is selected.
#pragma once

#include "interfaces/main_window.h"

namespace mipro {

// The option-button arrays of frmMAIN and how many buttons each holds; 0 for other controls.
constexpr int OptionGroupSize(Control id) {
    switch (id) {
        case Control::optBOARD: return 3;  // oekakiBBS, PaintBBS, a board taking a colour code
        case Control::optSPEED: return 4;  // fast, normal, slow, the board's own pace
        case Control::optCOLOURS: return 6;  // the picture's own, 16, 32, 64, 128, 256 colours
        default: return 0;
    }
}

// Selects option button `chosen` and clears the others of its group, as a click on it would.
void SelectOption(MainWindow& window, ControlRef chosen);

}  // namespace mipro
