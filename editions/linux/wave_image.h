// The sound in a RIFF/WAVE image, as the player can take it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace mipro::linux_x11 {

struct PcmSound {
    int channels = 0;       // 1 or 2, interleaved
    int bitsPerSample = 0;  // 8: unsigned; 16: signed, little-endian
    std::uint32_t sampleRate = 0;
    std::span<const std::uint8_t> samples;  // whole frames
};

// The sound of a WAVE image of uncompressed PCM, mono or stereo, 8 or 16 bits, at any rate. The
// chunks are read in any order and others ("fact", "LIST") are passed over; a data chunk cut
// short by the end of the image gives the frames that are there. Nothing when the image is not
// such a sound.
std::optional<PcmSound> ReadPcmWave(std::span<const std::uint8_t> image);

}  // namespace mipro::linux_x11
