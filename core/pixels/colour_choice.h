// Page 3's choice of fewer colours: how many (optCOLOURS) and whether to dither (chkDITHER). A
// change re-runs the extraction, so the list and the thumbnail show the picture as it will be drawn.
#pragma once

#include "pixels/colour_reduction.h"
#include "wizard/wizard.h"

namespace mipro {

// The colours of each optCOLOURS button; 0, the first, keeps the picture's own.
int ColourCountOf(int Index);

// Whether the reduction chooses among the colours the chosen board shows: on PaintBBS, multiples of 5.
bool ColoursOnBoardGrid(const State& st);

// The reduction the state asks for; its count is 0 when none is asked for.
ColourReduction ReductionOf(const State& st);

// A list of reduced colours was made for the other board than the one chosen now.
bool ReductionForOtherBoard(const State& st);

// Shows the state's choice on page 3's controls.
void ShowColourChoice(Wizard& w);
// Page 3's controls on or off: off while the extraction runs.
void EnableColourChoice(Wizard& w, bool enabled);

void optCOLOURS_Click(Wizard& w, int Index);
void chkDITHER_Click(Wizard& w);

}  // namespace mipro
