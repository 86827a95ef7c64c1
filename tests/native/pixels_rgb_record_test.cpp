#include <gtest/gtest.h>

#include "pixels/rgb_record.h"

namespace mipro::testing {

namespace {

struct Split {
    int red, green, blue;
    friend bool operator==(const Split&, const Split&) = default;
};

Split SplitOf(std::int32_t colour) {
    RGB record;
    record.Color(colour);
    return {record.Red(), record.Green(), record.Blue()};
}

TEST(ColourRecord, SplitsTheThreeBytesWithRedLowest) {
    EXPECT_EQ(SplitOf(0), (Split{0, 0, 0}));
    EXPECT_EQ(SplitOf(16777215), (Split{255, 255, 255}));
    EXPECT_EQ(SplitOf(255), (Split{255, 0, 0}));
    EXPECT_EQ(SplitOf(65280), (Split{0, 255, 0}));
    EXPECT_EQ(SplitOf(16711680), (Split{0, 0, 255}));
    EXPECT_EQ(SplitOf(8421376), (Split{0, 128, 128}));
    EXPECT_EQ(SplitOf(0x0A0B0C), (Split{0x0C, 0x0B, 0x0A}));
}

TEST(ColourRecord, NegativeValuesTruncateTowardZeroBeforeTheLowByte) {
    EXPECT_EQ(SplitOf(-1), (Split{255, 0, 0}));
    // -65536 / 256 = -256 exactly, whose low byte is 0; / 65536 = -1, whose low byte is 255.
    EXPECT_EQ(SplitOf(-65536), (Split{0, 0, 255}));
    // -257 / 256 truncates to -1 (not -2 as a shift would give).
    EXPECT_EQ(SplitOf(-257), (Split{255, 255, 0}));
}

TEST(ColourRecord, HighByteIsIgnored) { EXPECT_EQ(SplitOf(0x7F102030), (Split{0x30, 0x20, 0x10})); }

TEST(ColourRecord, NewRecordReadsBlack) {
    const RGB record;
    EXPECT_EQ((Split{record.Red(), record.Green(), record.Blue()}), (Split{0, 0, 0}));
}

}  // namespace

}  // namespace mipro::testing
