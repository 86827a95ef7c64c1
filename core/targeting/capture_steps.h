// Steps 5 and 6: capture of the colour controls and of the canvas origin with the magnifier.
#pragma once

#include <cstdint>
#include <string>

#include "wizard/wizard.h"

namespace mipro {

// The explanation on the step 5 page for a picture of the given size and the chosen board (for the
// code kind, the places its choices ask for, in order).
std::string RgbStepText(std::int32_t imgWidth, std::int32_t imgHeight, int boardKind,
                        const CodeChoices& choices = {});

// The page that takes the canvas origin and shows the canvas size.
constexpr std::int32_t kCanvasStep = 6;

// Takes the canvas size the user left in page 6's boxes into the record; a box that does not hold
// a whole number from 1 to kMaxCanvasSide leaves its side as it was.
void TakeCanvasSizeFromPage(Wizard& w);

void ST05_GetRgbPos(Wizard& w);
void ST06_GetHomePos(Wizard& w);
void cmdGETRGB_Click(Wizard& w);
void cmdGETHOME_Click(Wizard& w);
void chkSHIEXACT_Click(Wizard& w);
void chkCODEOPEN_Click(Wizard& w);
void chkCODECLOSE_Click(Wizard& w);
void chkCODEHASH_Click(Wizard& w);

}  // namespace mipro
