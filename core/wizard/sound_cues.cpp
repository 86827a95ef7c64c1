#include "wizard/sound_cues.h"

namespace mipro {

void LoadSounds(Wizard& w) {
    Sound& sound = w.pf.sound;
    w.st.SndEnter = sound.loadResource("resENTERSND", "WAVE");
    w.st.SndCancel = sound.loadResource("resCANCELSND", "WAVE");
    w.st.SndEnd = sound.loadResource("resENDSND", "WAVE");
    w.st.SndClick = sound.loadResource("resCLICKSND", "WAVE");
}

void PlaySnd(Wizard& w, const std::string& sName) {
    if (w.st.SoundOn == 0) return;
    const std::vector<std::uint8_t>* wave = nullptr;
    if (sName == "END") {
        wave = &w.st.SndEnd;
    } else if (sName == "ENTER") {
        wave = &w.st.SndEnter;
    } else if (sName == "CANCEL" || sName == "BACK") {
        wave = &w.st.SndCancel;
    } else if (sName == "CLICK") {
        wave = &w.st.SndClick;
    } else {
        return;
    }
    // A resource that failed to load stays empty and so stays silent.
    if (wave->empty()) return;
    w.pf.sound.playWaveSync(*wave);
}

}  // namespace mipro
