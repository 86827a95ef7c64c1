// Step 3: the extraction of the picture's pixels into the colour-sorted pixel list.
#pragma once

#include "wizard/wizard.h"

namespace mipro {

// Extracts and sorts unless the step is done already; returns when the list is sorted or the
// user has been told why it could not be.
void ST03_ImgAnaly(Wizard& w);

}  // namespace mipro
