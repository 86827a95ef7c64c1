// Resources held in memory and a player that only writes to the log.
#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

#include "tests/sim/sim_log.h"
#include "interfaces/sound.h"

namespace mipro::sim {

class SimSound : public Sound {
public:
    explicit SimSound(Log& log) : log_(log) {}

    // Resource names match without regard to case, as on the real system.
    void addResource(const std::string& name, const std::string& type, std::vector<std::uint8_t> bytes) {
        resources_[key(name, type)] = std::move(bytes);
    }
    std::vector<std::uint8_t> loadResource(const std::string& name, const std::string& type) override {
        auto it = resources_.find(key(name, type));
        return it == resources_.end() ? std::vector<std::uint8_t>{} : it->second;
    }
    void playWaveSync(const std::vector<std::uint8_t>& wave) override {
        log_.add({EventKind::Sound, {}, static_cast<int>(wave.size())});
    }

private:
    static std::string key(std::string name, const std::string& type) {
        name += "/" + type;
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::toupper(c); });
        return name;
    }
    Log& log_;
    std::map<std::string, std::vector<std::uint8_t>> resources_;
};

}  // namespace mipro::sim
