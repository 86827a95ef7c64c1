// The four sound cues compiled into mipro.exe: each committed WAVE file must have exactly the
// layout, format and sizes the player and the resource table expect.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const std::string& name) {
    std::ifstream in(std::string(MIPRO_RESOURCES_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t Le32(const Bytes& b, std::size_t at) {
    return b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 | static_cast<std::uint32_t>(b.at(at + 3)) << 24;
}
std::uint16_t Le16(const Bytes& b, std::size_t at) { return static_cast<std::uint16_t>(b.at(at) | b.at(at + 1) << 8); }
std::string Tag(const Bytes& b, std::size_t at) { return std::string(b.begin() + at, b.begin() + at + 4); }

struct Chunk {
    std::size_t offset;  // of the chunk's data
    std::uint32_t size;
};

// The chunks after "WAVE", in file order, as far as the RIFF size field says the image goes.
std::vector<std::pair<std::string, Chunk>> Chunks(const Bytes& b) {
    std::vector<std::pair<std::string, Chunk>> chunks;
    const std::size_t end = 8 + Le32(b, 4);
    for (std::size_t at = 12; at + 8 <= end; at += 8 + Le32(b, at + 4)) chunks.push_back({Tag(b, at), {at + 8, Le32(b, at + 4)}});
    return chunks;
}

struct Expected {
    const char* file;
    std::size_t resourceBytes;
    std::uint32_t riffSize;
    std::uint32_t sampleRate;
    std::uint16_t bitsPerSample;
    std::uint32_t dataBytes;
    bool factChunk;
};

void PrintTo(const Expected& e, std::ostream* os) { *os << e.file; }

class SoundResource : public ::testing::TestWithParam<Expected> {};

TEST_P(SoundResource, HasTheSizesOfTheTable) {
    const Expected e = GetParam();
    const Bytes b = ReadFile(e.file);
    ASSERT_EQ(b.size(), e.resourceBytes);
    EXPECT_EQ(Tag(b, 0), "RIFF");
    EXPECT_EQ(Le32(b, 4), e.riffSize);
    EXPECT_EQ(Tag(b, 8), "WAVE");
}

TEST_P(SoundResource, IsUncompressedMonoPcmOfItsRate) {
    const Expected e = GetParam();
    const Bytes b = ReadFile(e.file);
    ASSERT_GE(b.size(), 44u);
    const auto chunks = Chunks(b);
    ASSERT_FALSE(chunks.empty());
    ASSERT_EQ(chunks.front().first, "fmt ");
    const Chunk fmt = chunks.front().second;
    EXPECT_EQ(fmt.size, 16u);
    EXPECT_EQ(Le16(b, fmt.offset), 1) << "format tag";
    EXPECT_EQ(Le16(b, fmt.offset + 2), 1) << "channels";
    EXPECT_EQ(Le32(b, fmt.offset + 4), e.sampleRate);
    const std::uint16_t blockAlign = e.bitsPerSample / 8;
    EXPECT_EQ(Le32(b, fmt.offset + 8), e.sampleRate * blockAlign) << "byte rate";
    EXPECT_EQ(Le16(b, fmt.offset + 12), blockAlign);
    EXPECT_EQ(Le16(b, fmt.offset + 14), e.bitsPerSample);
}

TEST_P(SoundResource, DataChunkEndsTheImage) {
    const Expected e = GetParam();
    const Bytes b = ReadFile(e.file);
    ASSERT_GE(b.size(), 44u);
    const auto chunks = Chunks(b);
    std::vector<std::string> order;
    for (const auto& [tag, chunk] : chunks) order.push_back(tag);
    const std::vector<std::string> expected =
        e.factChunk ? std::vector<std::string>{"fmt ", "fact", "data"} : std::vector<std::string>{"fmt ", "data"};
    ASSERT_EQ(order, expected);

    const Chunk data = chunks.back().second;
    EXPECT_EQ(data.size, e.dataBytes);
    EXPECT_EQ(data.offset + data.size, 8 + static_cast<std::size_t>(Le32(b, 4))) << "the data chunk ends the RIFF image";
    if (e.factChunk) {
        const Chunk fact = chunks[1].second;
        EXPECT_EQ(fact.size, 4u);
        EXPECT_EQ(Le32(b, fact.offset), e.dataBytes / (e.bitsPerSample / 8)) << "sample count";
    }
}

// Not silence: a cue whose samples all sit at the zero level would play and be heard as nothing.
TEST_P(SoundResource, IsAudible) {
    const Expected e = GetParam();
    const Bytes b = ReadFile(e.file);
    ASSERT_GE(b.size(), 44u);
    const Chunk data = Chunks(b).back().second;
    int loudest = 0;
    for (std::size_t at = data.offset; at + e.bitsPerSample / 8 <= data.offset + data.size; at += e.bitsPerSample / 8) {
        const int level = e.bitsPerSample == 16 ? static_cast<std::int16_t>(Le16(b, at)) : (b[at] - 128) * 256;
        loudest = std::max(loudest, std::abs(level));
    }
    EXPECT_GT(loudest, 4000);
    EXPECT_LT(loudest, 32768);
}

INSTANTIATE_TEST_SUITE_P(Cues, SoundResource,
                         ::testing::Values(Expected{"enter.wav", 21548, 21540, 22050, 16, 21504, false},
                                           Expected{"cancel.wav", 3840, 3832, 22050, 8, 3796, false},
                                           Expected{"end.wav", 33676, 33666, 32000, 8, 33618, true},
                                           Expected{"click.wav", 7980, 7972, 22050, 16, 7936, false}),
                         [](const auto& info) {
                             const std::string file = info.param.file;
                             return file.substr(0, file.find('.'));
                         });

}  // namespace
