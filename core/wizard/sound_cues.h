// The sound cues "CLICK", "CANCEL", "ENTER", "END" and "BACK".
#pragma once

#include <string>

#include "wizard/wizard.h"

namespace mipro {

// Fills SndEnter, SndCancel, SndEnd and SndClick from the WAVE resources.
void LoadSounds(Wizard& w);

// Plays the cue named exactly sName when SoundOn is non-zero; any other name is silent.
void PlaySnd(Wizard& w, const std::string& sName);

}  // namespace mipro
