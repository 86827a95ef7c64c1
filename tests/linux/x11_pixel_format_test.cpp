// Colour values and pixel values of TrueColor visuals of every common layout.
#include "platform/linux/x11_pixel_format.h"

#include <gtest/gtest.h>

namespace mipro::testing {

namespace {

using linux_x11::ColourOf;
using linux_x11::PixelMasks;
using linux_x11::PixelOf;

constexpr PixelMasks kRgb888{0xFF0000, 0x00FF00, 0x0000FF};
constexpr PixelMasks kBgr888{0x0000FF, 0x00FF00, 0xFF0000};
constexpr PixelMasks kRgb565{0xF800, 0x07E0, 0x001F};
constexpr PixelMasks kRgb101010{0x3FF00000, 0x000FFC00, 0x000003FF};

struct PixelCase {
    const char* label;
    PixelMasks masks;
    ColourValue colour;
    unsigned long pixel;
};

class PixelFormat : public ::testing::TestWithParam<PixelCase> {};

TEST_P(PixelFormat, PlacesEachComponentInItsMask) {
    EXPECT_EQ(PixelOf(GetParam().colour, GetParam().masks), GetParam().pixel);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, PixelFormat,
    ::testing::Values(PixelCase{"Rgb888Red", kRgb888, 0x0000FF, 0xFF0000},
                      PixelCase{"Rgb888Blue", kRgb888, 0xFF0000, 0x0000FF},
                      PixelCase{"Rgb888Mixed", kRgb888, 0x123456, 0x563412},
                      PixelCase{"Bgr888Mixed", kBgr888, 0x123456, 0x123456},
                      PixelCase{"Rgb565Red", kRgb565, 0x0000FF, 0xF800},
                      PixelCase{"Rgb565Grey", kRgb565, 0x808080, 0x8410},
                      PixelCase{"Rgb565White", kRgb565, 0xFFFFFF, 0xFFFF},
                      PixelCase{"Rgb101010White", kRgb101010, 0xFFFFFF, 0x3FFFFFFF},
                      PixelCase{"Rgb101010Green", kRgb101010, 0x00FF00, 0x000FFC00}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace

}  // namespace mipro::testing
