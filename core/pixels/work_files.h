// The two work-file names of the extraction, made once while the program runs.
#pragma once

#include "wizard/wizard.h"

namespace mipro {

// Makes PixFile and SortFile unless SortFile is already set. False, with both left empty and the
// file made so far removed, when a name could not be made.
bool MakeWorkFileNames(Wizard& w);

}  // namespace mipro
