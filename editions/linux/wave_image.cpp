#include "editions/linux/wave_image.h"

#include <algorithm>
#include <string_view>

namespace mipro::linux_x11 {

namespace {

constexpr std::size_t kRiffHeaderBytes = 12;  // "RIFF", size, "WAVE"
constexpr std::size_t kRiffSizeFieldEnd = 8;  // the RIFF size counts from here
constexpr std::size_t kChunkHeaderBytes = 8;  // tag, size
constexpr std::size_t kPcmFormatBytes = 16;
constexpr std::uint16_t kPcmFormatTag = 1;

std::uint16_t Le16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

std::uint32_t Le32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(Le16(b, at)) | static_cast<std::uint32_t>(Le16(b, at + 2)) << 16;
}

bool HasTag(std::span<const std::uint8_t> b, std::size_t at, std::string_view tag) {
    return std::equal(tag.begin(), tag.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
}

struct Format {
    std::uint16_t tag = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
};

Format ReadFormat(std::span<const std::uint8_t> chunk) {
    return {Le16(chunk, 0), Le16(chunk, 2), Le32(chunk, 4), Le16(chunk, 12), Le16(chunk, 14)};
}

bool Playable(const Format& f) {
    const bool channels = f.channels == 1 || f.channels == 2;
    const bool bits = f.bitsPerSample == 8 || f.bitsPerSample == 16;
    return f.tag == kPcmFormatTag && channels && bits && f.sampleRate > 0 &&
           f.blockAlign == f.channels * f.bitsPerSample / 8;
}

}  // namespace

std::optional<PcmSound> ReadPcmWave(std::span<const std::uint8_t> image) {
    if (image.size() < kRiffHeaderBytes || !HasTag(image, 0, "RIFF") || !HasTag(image, 8, "WAVE")) return {};
    const std::size_t end = std::min<std::size_t>(image.size(), kRiffSizeFieldEnd + Le32(image, 4));

    std::optional<Format> format;
    std::optional<std::span<const std::uint8_t>> data;
    // Chunks start on even offsets: one of odd size is followed by a pad byte.
    for (std::size_t at = kRiffHeaderBytes; at + kChunkHeaderBytes <= end;) {
        const std::uint32_t size = Le32(image, at + 4);
        const std::size_t start = at + kChunkHeaderBytes;
        const std::span<const std::uint8_t> chunk = image.subspan(start, std::min<std::size_t>(size, end - start));
        if (HasTag(image, at, "fmt ") && chunk.size() >= kPcmFormatBytes) format = ReadFormat(chunk);
        if (HasTag(image, at, "data")) data = chunk;
        at = start + size + (size & 1);
    }
    if (!format || !data || !Playable(*format)) return {};

    const std::size_t wholeFrames = data->size() / format->blockAlign * format->blockAlign;
    return PcmSound{format->channels, format->bitsPerSample, format->sampleRate, data->first(wholeFrames)};
}

}  // namespace mipro::linux_x11
