// The board's drawing colour as the run sees it, by the chosen board kind, in one table: how a
// colour is set through the board's controls, what colour the board then shows for it (its own
// rounding), how its colour is brought to a known one at the start and the end of a run, and what
// the run does when a click's fate is uncertain and the recorded colour can no longer be trusted.
#pragma once

#include <cstdint>

#include "base/types.h"
#include "drawing/code_colour.h"
#include "drawing/pixel_line.h"
#include "wizard/wizard.h"

namespace mipro {

// How the chosen board shows the colour a pixel line asks for: rounded by its controls
// (oekakiBBS to its digits, PaintBBS to a multiple of 5), or exactly (the code kind, and PaintBBS
// with exact colours).
struct ColourRule {
    int boardKind = 0;
    bool exact = false;
    friend bool operator==(const ColourRule&, const ColourRule&) = default;
};

ColourRule ColourRuleOf(const State& st);

// The colour the board shows for a pixel drawn after its line's colour was set.
ColourValue ShownColour(ColourRule rule, const PixelLine& px);

// Whether the board's colour controls can set exactly this colour.
bool BoardCanShow(ColourRule rule, ColourValue colour);

// Sets the pixel's colour with the routine of the chosen board. Anything but Done (only the code
// kind's routine fails, when the board does not take the code) means the run must stop.
ColourSet SetBoardColour(Wizard& w, const PixelLine& px);

// A click may have missed its button or reached the board unplanned: the recorded colour no
// longer follows the board.
void ForgetBoardColour(Wizard& w);

// Brings a board whose recorded colour is not known back to a known one before the next pixel:
// oekakiBBS by a complete reset (false when the user's hand stopped it); PaintBBS sets every slider
// and the code kind types its code at its next colour change.
bool RecoverBoardColour(Wizard& w);

// The board's colour brought to black at the start of a run, so the recorded colour follows it;
// false when the user's hand stopped it.
bool ResetBoardColour(Wizard& w);

// The colour brought back to black at the end; only what is not yet there moves. The code kind,
// which has no controls to leave standing, is left as it is.
void ResetColourAtEnd(Wizard& w);

// A pixel line of this colour at (x, y), as the colour routines take it.
PixelLine LineOf(ColourValue colour, std::int32_t x, std::int32_t y);

}  // namespace mipro
