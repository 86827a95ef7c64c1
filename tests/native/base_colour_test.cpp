// A colour value's channels and its pixel in the window systems' 32-bit bitmaps.
#include "base/colour.h"

#include <gtest/gtest.h>

namespace mipro {
namespace {

TEST(Colour, ChannelsAndPixelsOfAColourValue) {
    struct Case {
        ColourValue colour;
        int red, green, blue;
        std::uint32_t xrgb;
    };
    const Case cases[] = {
        {0x000000, 0, 0, 0, 0x000000},
        {0xFFFFFF, 255, 255, 255, 0xFFFFFF},
        {0x0000FF, 255, 0, 0, 0xFF0000},  // red lies in the low byte of a colour value only
        {0x00FF00, 0, 255, 0, 0x00FF00},
        {0xFF0000, 0, 0, 255, 0x0000FF},
        {0x563412, 0x12, 0x34, 0x56, 0x123456},
        {0x010101, 1, 1, 1, 0x010101},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RedOf(c.colour), c.red) << std::hex << c.colour;
        EXPECT_EQ(GreenOf(c.colour), c.green) << std::hex << c.colour;
        EXPECT_EQ(BlueOf(c.colour), c.blue) << std::hex << c.colour;
        EXPECT_EQ(XrgbPixel(c.colour), c.xrgb) << std::hex << c.colour;
        EXPECT_EQ(OpaqueArgbPixel(c.colour), 0xFF000000u | c.xrgb) << std::hex << c.colour;
    }
}

// Bits above blue's byte never reach the pixel.
TEST(Colour, BitsAboveTheThreeChannelsAreLeftOut) {
    EXPECT_EQ(XrgbPixel(static_cast<ColourValue>(0x7F0000FF)), 0xFF0000u);
    EXPECT_EQ(OpaqueArgbPixel(static_cast<ColourValue>(0x7F0000FF)), 0xFFFF0000u);
}

}  // namespace
}  // namespace mipro
