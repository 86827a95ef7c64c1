// Colour setting on boards that take a colour typed as a code ("#RRGGBB"): the code is typed into
// the board's field, and the board's own display of its current colour is read back before
// anything is drawn with it.
#pragma once

#include <string>

#include "wizard/wizard.h"

namespace mipro {

// How setting a colour ended.
enum class ColourSet {
    Done,
    NotShown,       // the board never showed the colour: the code went somewhere else
    CanvasCovered,  // the code's window still lies over the canvas
};

// The code for three component strings ("000" to "255"): "#rrggbb", or "rrggbb" without the hash.
std::string ColourCode(const std::string& srr, const std::string& sgg, const std::string& sbb, bool withHash);

// Types the colour unless the board is known to hold it, or shows it already in the place where the
// user showed its current colour (then no key is needed): presses the button that opens the field
// where the board has one, clicks the field, selects all its text, types the code and Enter, and
// presses the button that closes the field's window where it has one. Then, with the pointer
// resting off the canvas (some boards draw a pen under it), it looks again and again for a moment
// for the board to show the colour where the user showed its current colour. It does not type the
// code again: keys that reached no field went to the board as its shortcuts (tools), and going on
// would spoil the drawing. The canvas's surroundings must read as they did on page 6 (no window of
// the code's over it). Anything but Done leaves the colour unknown: the run must stop before
// drawing with it.
ColourSet codeSetRGB(Wizard& w, const std::string& srr, const std::string& sgg, const std::string& sbb);

}  // namespace mipro
