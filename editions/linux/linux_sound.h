// The sound cues compiled into the program, and their player: the desktop's sound server.
#pragma once

#include "interfaces/sound.h"

namespace mipro::linux_x11 {

class LinuxSound : public Sound {
public:
    // The cues by their resource names (resources/mipro.rc), of type "WAVE", without regard to
    // the case of either.
    std::vector<std::uint8_t> loadResource(const std::string& name, const std::string& type) override;
    // Plays through the sound server (PulseAudio, or PipeWire in its place) and returns when the
    // server has played it all. Nothing, silently, without a server or for a WAVE image that is
    // not PCM the player takes (editions/linux/wave_image.h).
    void playWaveSync(const std::vector<std::uint8_t>& wave) override;
};

}  // namespace mipro::linux_x11
