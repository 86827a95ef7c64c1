// Colour setting on oekakiBBS: each component has a tens and a ones column of arrow buttons, the
// upper button adding and the lower one taking away.
#pragma once

#include <cstdint>
#include <string>

#include "wizard/wizard.h"

namespace mipro {

// Clicks only the digits that differ from the digits last set.
void pooSetRGBCtrl(Wizard& w, const std::string& srr, const std::string& sgg, const std::string& sbb);

// Moves one digit from SavePnt to NowPnt by clicks in column btnXX on row btnY1 (up) or btnY2
// (down), then records NowPnt in SavePnt.
void pooSetRGB(Wizard& w, std::int32_t& SavePnt, std::int32_t NowPnt, std::int32_t btnXX, std::int32_t btnY1,
               std::int32_t btnY2);

// Brings every component to 0 with 111 down-clicks, checking for the user's hand after each.
// Returns 0 when done, -1 when stopped; a stopped reset has moved some digits, so the digit state
// is then no longer known. sw does not change what the reset does.
std::int32_t pooResetRGB(Wizard& w, std::int32_t sw);

// The value a component string leaves on the board: its tens and ones digits, within 0 to 255.
std::int32_t pooShownValue(const std::string& s);

}  // namespace mipro
