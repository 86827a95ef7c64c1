// The design of frmMAIN: every control with its kind, container, geometry in twips, caption and
// design state. The real window is built from it and the simulated one answers from it.
#pragma once

#include <string>
#include <vector>

#include "interfaces/main_window.h"

namespace mipro {

enum class ControlKind { Page, Button, CheckBox, OptionButton, Label, Image, PictureBox, TextBox, Line };

enum class TextColour { Normal, Blue };

struct ControlDesign {
    ControlRef ref;
    ControlKind kind;
    int page;  // the step page holding it, 0 for the client area itself
    int left, top, width, height;  // twips; a line runs from (left, top) to (left + width, top)
    std::string caption;
    bool visible = true;
    bool enabled = true;
    TextColour colour = TextColour::Normal;
};

// The client area of frmMAIN in twips.
constexpr int kClientWidthTwips = 7515;
constexpr int kClientHeightTwips = 4395;

const std::vector<ControlDesign>& MainFormDesign();

// The design entry of one control; throws std::out_of_range for a control the form does not have.
const ControlDesign& DesignOf(ControlRef ref);

}  // namespace mipro
