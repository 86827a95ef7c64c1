// The five work-file names of the extraction, made once while the program runs.
#pragma once

#include "wizard/wizard.h"

namespace mipro {

// Makes BatFile, PifFile, PixFile, SortFile and DoneFile unless DoneFile is already set. False,
// with all five left empty and the files made so far removed, when a name could not be made.
bool MakeWorkFileNames(Wizard& w);

}  // namespace mipro
