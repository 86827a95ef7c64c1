// Sound resources of type "WAVE" and the synchronous player.
#pragma once

#include "interfaces/sound.h"

namespace mipro::win32 {

class Win32Sound : public Sound {
public:
    std::vector<std::uint8_t> loadResource(const std::string& name, const std::string& type) override;
    void playWaveSync(const std::vector<std::uint8_t>& wave) override;
};

}  // namespace mipro::win32
