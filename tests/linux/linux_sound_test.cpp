// The sound side of the Linux edition: the files compiled into the program, the cues found by
// their resource names, the WAVE reader, and a player that stays silent without a sound server.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "linux_test_support.h"
#include "editions/linux/embedded_files.h"
#include "editions/linux/linux_sound.h"
#include "editions/linux/wave_image.h"

namespace mipro::testing {

namespace {

using Bytes = std::vector<std::uint8_t>;
using linux_x11::EmbeddedFile;
using linux_x11::LinuxSound;
using linux_x11::ReadPcmWave;

Bytes ResourceFile(const std::string& name) {
    const std::string text = ReadWholeFile(std::string(MIPRO_RESOURCES_DIR) + "/" + name);
    return {text.begin(), text.end()};
}

struct CueCase {
    const char* name;
    const char* type;
    const char* file;  // empty: no resource
};

class CueResource : public ::testing::TestWithParam<CueCase> {};

TEST_P(CueResource, IsFoundByNameAndTypeWithoutRegardToCase) {
    const CueCase c = GetParam();
    LinuxSound sound;
    const Bytes expected = *c.file ? ResourceFile(c.file) : Bytes{};
    EXPECT_EQ(sound.loadResource(c.name, c.type), expected);
}

INSTANTIATE_TEST_SUITE_P(Cues, CueResource,
                         ::testing::Values(CueCase{"RESENTERSND", "WAVE", "enter.wav"},
                                           CueCase{"resENTERSND", "WAVE", "enter.wav"},
                                           CueCase{"resCANCELSND", "wave", "cancel.wav"},
                                           CueCase{"ResEndSnd", "Wave", "end.wav"},
                                           CueCase{"resCLICKSND", "WAVE", "click.wav"},
                                           CueCase{"resCLICKSND", "BITMAP", ""},
                                           CueCase{"resCLICKSN", "WAVE", ""},
                                           CueCase{"click.wav", "WAVE", ""}),
                         [](const auto& info) { return std::to_string(info.index); });

// The four cues as the player reads them.
struct CueFormat {
    const char* file;
    std::uint32_t sampleRate;
    int bitsPerSample;
    std::size_t dataBytes;
};

class CueWave : public ::testing::TestWithParam<CueFormat> {};

TEST_P(CueWave, ReadsAsMonoPcm) {
    const CueFormat c = GetParam();
    const auto sound = ReadPcmWave(EmbeddedFile(c.file));
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->channels, 1);
    EXPECT_EQ(sound->sampleRate, c.sampleRate);
    EXPECT_EQ(sound->bitsPerSample, c.bitsPerSample);
    EXPECT_EQ(sound->samples.size(), c.dataBytes);
    // The data chunk ends the RIFF image of every cue.
    const auto image = EmbeddedFile(c.file);
    const std::size_t riffEnd = 8 + (image[4] | image[5] << 8 | image[6] << 16 | image[7] << 24);
    EXPECT_EQ(static_cast<std::size_t>(sound->samples.data() + sound->samples.size() - image.data()), riffEnd);
}

INSTANTIATE_TEST_SUITE_P(Cues, CueWave,
                         ::testing::Values(CueFormat{"enter.wav", 22050, 16, 21504},
                                           CueFormat{"cancel.wav", 22050, 8, 3796},
                                           CueFormat{"end.wav", 32000, 8, 33618},  // has a "fact" chunk
                                           CueFormat{"click.wav", 22050, 16, 7936}),
                         [](const auto& info) {
                             const std::string file = info.param.file;
                             return file.substr(0, file.find('.'));
                         });

// WAVE images made to order.
void PutLe(Bytes& b, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) b.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

Bytes Chunk(const std::string& tag, const Bytes& body, std::uint32_t declaredSize = 0) {
    Bytes b(tag.begin(), tag.end());
    PutLe(b, declaredSize ? declaredSize : static_cast<std::uint32_t>(body.size()), 4);
    b.insert(b.end(), body.begin(), body.end());
    if (body.size() % 2) b.push_back(0);
    return b;
}

Bytes Format(int tag, int channels, std::uint32_t rate, int bits, int blockAlign = 0) {
    const int align = blockAlign ? blockAlign : channels * bits / 8;
    Bytes b;
    PutLe(b, static_cast<std::uint32_t>(tag), 2);
    PutLe(b, static_cast<std::uint32_t>(channels), 2);
    PutLe(b, rate, 4);
    PutLe(b, rate * static_cast<std::uint32_t>(align), 4);
    PutLe(b, static_cast<std::uint32_t>(align), 2);
    PutLe(b, static_cast<std::uint32_t>(bits), 2);
    return b;
}

Bytes Riff(const std::vector<Bytes>& chunks) {
    Bytes body = {'W', 'A', 'V', 'E'};
    for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
    Bytes b = {'R', 'I', 'F', 'F'};
    PutLe(b, static_cast<std::uint32_t>(body.size()), 4);
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

const Bytes kSamples = {1, 2, 3, 4, 5, 6, 7, 8};

struct Unplayable {
    const char* label;
    Bytes image;
};

class WaveImageRefuses : public ::testing::TestWithParam<Unplayable> {};

TEST_P(WaveImageRefuses, WhatThePlayerCannotPlay) { EXPECT_FALSE(ReadPcmWave(GetParam().image)); }

INSTANTIATE_TEST_SUITE_P(
    Images, WaveImageRefuses,
    ::testing::Values(
        Unplayable{"Empty", {}},
        Unplayable{"NotRiff", Bytes{'R', 'I', 'F', 'X', 4, 0, 0, 0, 'W', 'A', 'V', 'E'}},
        Unplayable{"NoData", Riff({Chunk("fmt ", Format(1, 1, 8000, 8))})},
        Unplayable{"NoFormat", Riff({Chunk("data", kSamples)})},
        Unplayable{"Adpcm", Riff({Chunk("fmt ", Format(2, 1, 8000, 4, 1)), Chunk("data", kSamples)})},
        Unplayable{"Float", Riff({Chunk("fmt ", Format(3, 1, 8000, 32)), Chunk("data", kSamples)})},
        Unplayable{"Extensible", Riff({Chunk("fmt ", Format(0xFFFE, 1, 8000, 16)), Chunk("data", kSamples)})},
        Unplayable{"TwentyFourBit", Riff({Chunk("fmt ", Format(1, 1, 8000, 24)), Chunk("data", kSamples)})},
        Unplayable{"ThreeChannels", Riff({Chunk("fmt ", Format(1, 3, 8000, 16)), Chunk("data", kSamples)})},
        Unplayable{"WrongBlockAlign", Riff({Chunk("fmt ", Format(1, 2, 8000, 16, 2)), Chunk("data", kSamples)})},
        Unplayable{"NoRate", Riff({Chunk("fmt ", Format(1, 1, 0, 8)), Chunk("data", kSamples)})},
        Unplayable{"ShortFormat", Riff({Chunk("fmt ", Bytes{1, 0, 1, 0}), Chunk("data", kSamples)})}),
    [](const auto& info) { return std::string(info.param.label); });

// No server listens at the address given: the cue is not heard, and the call returns at once
// instead of waiting for a server to appear.
TEST(LinuxSound, PlaysNothingAndReturnsWithoutASoundServer) {
    TempDir dir;
    const ScopedEnv server("PULSE_SERVER", "unix:" + dir.path() + "no-server");
    LinuxSound sound;
    const auto start = std::chrono::steady_clock::now();

    sound.playWaveSync(sound.loadResource("RESENDSND", "WAVE"));
    sound.playWaveSync({'n', 'o', 't', ' ', 'a', ' ', 'w', 'a', 'v', 'e'});

    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

}  // namespace

}  // namespace mipro::testing
