// Sound resources and the synchronous player.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mipro {

class Sound {
public:
    virtual ~Sound() = default;
    // The bytes of a custom resource exactly as stored; empty when it is missing.
    virtual std::vector<std::uint8_t> loadResource(const std::string& name, const std::string& type) = 0;
    // Plays a WAVE image from memory and returns when it has finished.
    // Plays nothing, silently, when it cannot be played.
    virtual void playWaveSync(const std::vector<std::uint8_t>& wave) = 0;
};

}  // namespace mipro
