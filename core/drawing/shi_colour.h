// Colour setting on PaintBBS: one 50-pixel slider per component, 5 units per pixel.
#pragma once

#include <cstdint>
#include <string>

#include "wizard/wizard.h"

namespace mipro {

// Moves only the sliders whose value changes (every slider while the recorded values are not
// known), then records the three values. With exact colours (ShiExact) each slider set as the
// design sets it is then brought to the exact value by Shift+clicks beside its knob, at most two:
// the boards of today move a slider by one toward the pointer on a Shift+click.
void shiSetRGBCtrl(Wizard& w, const std::string& srr, const std::string& sgg, const std::string& sbb);

// The slider value for a 3-digit component string: the nearest multiple of 5 (253 and 254 give 255).
std::int32_t shiRgbValueADJ(const std::string& nn);

// A component's value as its 3-digit string: 7 is "007".
std::string ThreeDigits(std::int32_t value);

// Sets the slider whose zero end is (rx, ry) to iro by a click or a short drag; other values do nothing.
void shiSetRGB(Wizard& w, std::int32_t rx, std::int32_t ry, std::int32_t iro);

}  // namespace mipro
