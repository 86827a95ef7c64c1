#include "wizard/option_group.h"

namespace mipro {

void SelectOption(MainWindow& window, ControlRef chosen) {
    for (int index = 0; index < OptionGroupSize(chosen.id); ++index)
        if (index != chosen.index) window.setValue({chosen.id, index}, 0);
    window.setValue(chosen, 1);
}

}  // namespace mipro
