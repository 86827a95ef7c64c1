// The desktop's dots per inch as the Xft.dpi resource gives it, read the way X resources are.
#include "editions/linux/xft_dpi.h"

#include <gtest/gtest.h>

namespace mipro::testing {

namespace {

using linux_x11::XftDpi;

struct DpiCase {
    const char* label;
    const char* resources;
    std::optional<double> dpi;
};

class XftDpiResource : public ::testing::TestWithParam<DpiCase> {};

TEST_P(XftDpiResource, IsReadFromTheResourceText) { EXPECT_EQ(XftDpi(GetParam().resources), GetParam().dpi); }

INSTANTIATE_TEST_SUITE_P(
    Texts, XftDpiResource,
    ::testing::Values(DpiCase{"Alone", "Xft.dpi:\t144\n", 144.0},
                      DpiCase{"AmongOthers", "Xcursor.size:\t24\nXft.dpi:\t96\nXft.antialias:\t1\n", 96.0},
                      DpiCase{"Fraction", "Xft.dpi: 120.5\n", 120.5},
                      DpiCase{"TrailingBlanks", "Xft.dpi: 192  \n", 192.0},
                      DpiCase{"Wildcard", "*dpi: 120\n", 120.0},
                      DpiCase{"LastWins", "Xft.dpi: 96\nXft.dpi: 144\n", 144.0},
                      DpiCase{"Missing", "Xft.antialias: 1\n", std::nullopt},
                      DpiCase{"Empty", "", std::nullopt},
                      DpiCase{"OtherProgram", "XTerm.dpi: 144\n", std::nullopt},
                      DpiCase{"Zero", "Xft.dpi: 0\n", std::nullopt},
                      DpiCase{"Negative", "Xft.dpi: -96\n", std::nullopt},
                      DpiCase{"Word", "Xft.dpi: high\n", std::nullopt},
                      DpiCase{"NumberAndWord", "Xft.dpi: 96 dots\n", std::nullopt},
                      DpiCase{"Infinite", "Xft.dpi: inf\n", std::nullopt}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace

}  // namespace mipro::testing
