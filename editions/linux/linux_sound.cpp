#include "editions/linux/linux_sound.h"

#include <pulse/simple.h>

#include <memory>
#include <string_view>

#include "editions/linux/embedded_files.h"
#include "editions/linux/wave_image.h"

namespace mipro::linux_x11 {

namespace {

struct Cue {
    std::string_view resourceName;
    std::string_view file;
};

constexpr Cue kCues[] = {
    {"RESENTERSND", "enter.wav"},
    {"RESCANCELSND", "cancel.wav"},
    {"RESENDSND", "end.wav"},
    {"RESCLICKSND", "click.wav"},
};
constexpr std::string_view kCueType = "WAVE";

const char* const kClientName = "mipro";
const char* const kStreamName = "sound cue";

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    }
    return true;
}

pa_sample_spec SampleSpecOf(const PcmSound& sound) {
    pa_sample_spec spec{};
    spec.format = sound.bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    spec.rate = sound.sampleRate;
    spec.channels = static_cast<std::uint8_t>(sound.channels);
    return spec;
}

struct StreamCloser {
    void operator()(pa_simple* stream) const { pa_simple_free(stream); }
};
using Stream = std::unique_ptr<pa_simple, StreamCloser>;

}  // namespace

std::vector<std::uint8_t> LinuxSound::loadResource(const std::string& name, const std::string& type) {
    if (!SameIgnoringCase(type, kCueType)) return {};
    for (const Cue& cue : kCues) {
        if (!SameIgnoringCase(name, cue.resourceName)) continue;
        const std::span<const std::uint8_t> bytes = EmbeddedFile(cue.file);
        return {bytes.begin(), bytes.end()};
    }
    return {};
}

// Without a server the connection fails at once: libpulse finds no socket to connect to and
// starts no server of its own when none is installed (or for root, which it never does).
void LinuxSound::playWaveSync(const std::vector<std::uint8_t>& wave) {
    const std::optional<PcmSound> sound = ReadPcmWave(wave);
    if (!sound || sound->samples.empty()) return;
    const pa_sample_spec spec = SampleSpecOf(*sound);
    int error = 0;
    const Stream stream(pa_simple_new(nullptr, kClientName, PA_STREAM_PLAYBACK, nullptr, kStreamName, &spec, nullptr,
                                      nullptr, &error));
    if (!stream) return;
    if (pa_simple_write(stream.get(), sound->samples.data(), sound->samples.size(), &error) < 0) return;
    pa_simple_drain(stream.get(), &error);
}

}  // namespace mipro::linux_x11
