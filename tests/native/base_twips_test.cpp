// Window sizes and positions in pixels from twips, as both editions place the magnifier.
#include "base/twips.h"

#include <gtest/gtest.h>

namespace mipro {
namespace {

TEST(Twips, AWindowsSizeInPixelsIsTheNearestWholePixel) {
    struct Case {
        double twips, twipsPerPixel;
        int pixels;
    };
    const Case cases[] = {
        {307 * 15.0, 15, 307},  // the magnifier at 96 dots per inch
        {307 * 10.0, 10, 307},  // and at 144
        {4605, 8, 576},         // 575.625
        {4604, 8, 576},         // 575.5: halves go to the even neighbour
        {4596, 8, 574},         // 574.5
        {0, 15, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WindowPixelsFor(c.twips, c.twipsPerPixel), c.pixels) << c.twips << " at " << c.twipsPerPixel;
}

TEST(Twips, AWindowStartsOnTheNearestPixelWithHalvesGoingDown) {
    EXPECT_EQ(WindowPixelAt(1228, 8), 153);  // 153.5
    EXPECT_EQ(WindowPixelAt(1229, 8), 154);
    EXPECT_EQ(WindowPixelAt(-1228, 8), -154);
    EXPECT_EQ(WindowPixelAt(4500, 15), 300);
}

}  // namespace
}  // namespace mipro
