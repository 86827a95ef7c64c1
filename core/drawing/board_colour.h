// The board's drawing colour as the run sees it: set through the chosen board's colour routine,
// the colour a pixel line leaves on the canvas (the board's own rounding), and what the run does
// when a click's fate is uncertain and the recorded colour can no longer be trusted.
#pragma once

#include <cstdint>

#include "base/types.h"
#include "drawing/pixel_line.h"
#include "wizard/wizard.h"

namespace mipro {

// Sets the pixel's colour with the routine of the chosen board.
void SetBoardColour(Wizard& w, const PixelLine& px);

// A click may have missed its button or reached the board unplanned: the recorded colour no
// longer follows the board.
void ForgetBoardColour(Wizard& w);

// Brings a board whose recorded colour is not known back to a known one before the next pixel:
// oekakiBBS by a complete reset (false when the user's hand stopped it); PaintBBS sets every slider
// at its next colour change.
bool RecoverBoardColour(Wizard& w);

// The colour the board shows for a pixel drawn after its line's colour was set.
ColourValue ShownColour(int boardKind, const PixelLine& px);

// Whether the board's colour controls can set exactly this colour.
bool BoardCanShow(int boardKind, ColourValue colour);

// A pixel line of this colour at (x, y), as the colour routines take it.
PixelLine LineOf(ColourValue colour, std::int32_t x, std::int32_t y);

}  // namespace mipro
