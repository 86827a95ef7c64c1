// Colour setting on PaintBBS: one 50-pixel slider per component, 5 units per pixel.
#pragma once

#include <cstdint>
#include <string>

#include "wizard/wizard.h"

namespace mipro {

// Moves only the sliders whose value changes (every slider while the recorded values are not
// known), then records the three values.
void shiSetRGBCtrl(Wizard& w, const std::string& srr, const std::string& sgg, const std::string& sbb);

// The slider value for a 3-digit component string: the nearest multiple of 5 (253 and 254 give 255).
std::int32_t shiRgbValueADJ(const std::string& nn);

// Sets the slider whose zero end is (rx, ry) to iro by a click or a short drag; other values do nothing.
void shiSetRGB(Wizard& w, std::int32_t rx, std::int32_t ry, std::int32_t iro);

}  // namespace mipro
