#include "targeting/guide_picture.h"

#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace mipro::testing {

namespace {

const Picture& Guide() {
    static const Picture guide = BuildGuidePicture();
    return guide;
}

// Colour at (x, y) of frame g.
ColourValue At(int g, int x, int y) { return Guide().point(kGuideFrameSize * g + x, y); }

int CountInBox(int g, int x0, int y0, int x1, int y1, ColourValue c) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) n += At(g, x, y) == c;
    return n;
}

constexpr ColourValue kColours[] = {kGuideRed, kGuideGreen, kGuideBlue};

}  // namespace

TEST(GuidePicture, HoldsElevenFramesOnTheWindowBackground) {
    EXPECT_EQ(Guide().width(), 3300);
    EXPECT_EQ(Guide().height(), 300);
    for (int g = 0; g < kGuideFrameCount; ++g) EXPECT_EQ(At(g, 120, 60), kWindowBackground) << "frame " << g;
}

// The code kind's points: a red cross whose middle is left open, so the pixel taken (source
// (50, 50), view 150 to 152) shows; each frame's letter differs from the others'.
TEST(GuidePicture, TheCodeFramesMarkTheirPointWithAnOpenCross) {
    for (int g = kGuideCodePoints; g < kGuideCodePoints + 4; ++g) {
        SCOPED_TRACE("frame " + std::to_string(g));
        for (int v = 150; v <= 152; ++v) {
            EXPECT_EQ(At(g, v, v), kWindowBackground);
            EXPECT_EQ(At(g, 150, v), kWindowBackground);
        }
        EXPECT_EQ(At(g, 140, 151), kGuideRed) << "left bar";
        EXPECT_EQ(At(g, 160, 151), kGuideRed) << "right bar";
        EXPECT_EQ(At(g, 151, 140), kGuideRed) << "upper bar";
        EXPECT_EQ(At(g, 151, 160), kGuideRed) << "lower bar";
        EXPECT_EQ(At(g, 145, 151), kWindowBackground) << "the cross stays open around the pixel";
    }
    std::set<std::vector<ColourValue>> letters;
    for (int g = kGuideCodePoints; g < kGuideCodePoints + 4; ++g) {
        std::vector<ColourValue> letter;
        for (int y = 204; y < 234; ++y)
            for (int x = 204; x < 231; ++x) letter.push_back(At(g, x, y));
        letters.insert(letter);
    }
    EXPECT_EQ(letters.size(), 4u);
}

TEST(GuidePicture, TheOriginFrameIsACornerMarkThreePixelsThick) {
    EXPECT_EQ(At(0, 147, 299), kGuideNearBlack);
    EXPECT_EQ(At(0, 149, 147), kGuideNearBlack);
    EXPECT_EQ(At(0, 299, 149), kGuideNearBlack);
    EXPECT_EQ(At(0, 146, 200), kWindowBackground);
    EXPECT_EQ(At(0, 200, 150), kWindowBackground);
    // The canvas's first pixel, just inside the corner.
    EXPECT_EQ(At(0, 150, 150), kWindowBackground);
    EXPECT_EQ(At(0, 149, 146), kWindowBackground);
    EXPECT_EQ(At(0, 0, 0), kWindowBackground);
}

TEST(GuidePicture, ControlFramesHaveFourCornerSquaresInTheirChannelColour) {
    for (int c = 0; c < 3; ++c) {
        for (int g : {kGuideOekakiControls + c, kGuidePaintSliders + c}) {
            EXPECT_EQ(CountInBox(g, 0, 0, 48, 48, kColours[c]), 49 * 49) << g;
            EXPECT_EQ(CountInBox(g, 251, 251, 299, 299, kColours[c]), 49 * 49) << g;
            EXPECT_EQ(At(g, 251, 0), kColours[c]);
            EXPECT_EQ(At(g, 0, 299), kColours[c]);
            EXPECT_EQ(At(g, 49, 10), kWindowBackground);
            EXPECT_EQ(At(g, 250, 10), kWindowBackground);
        }
    }
}

TEST(GuidePicture, OekakiFramesHaveTheBarWithAFilledLeftEnd) {
    const int g = kGuideOekakiControls + 1;
    EXPECT_EQ(At(g, 100, 162), kGuideGreen);
    EXPECT_EQ(At(g, 100, 164), kGuideGreen);
    EXPECT_EQ(At(g, 100, 165), kWindowBackground);
    EXPECT_EQ(At(g, 100, 194), kGuideGreen);
    EXPECT_EQ(At(g, 188, 178), kGuideGreen);
    EXPECT_EQ(At(g, 185, 178), kWindowBackground);
    EXPECT_EQ(CountInBox(g, 18, 162, 32, 194, kGuideGreen), 15 * 33);
    EXPECT_EQ(At(g, 33, 178), kWindowBackground);
    EXPECT_EQ(At(g, 17, 178), kWindowBackground);
}

TEST(GuidePicture, TheButtonPointsLieInsideTheTriangles) {
    for (int c = 0; c < 3; ++c) {
        const int g = kGuideOekakiControls + c;
        EXPECT_EQ(At(g, 207, 123), kColours[c]);  // left up-triangle
        EXPECT_EQ(At(g, 267, 156), kColours[c]);  // right down-triangle
        EXPECT_EQ(At(g, 267, 123), kColours[c]);  // right up-triangle
        EXPECT_EQ(At(g, 207, 156), kColours[c]);  // left down-triangle
    }
}

TEST(GuidePicture, UpTrianglesNarrowUpwardsAndDownTrianglesDownwards) {
    const int g = kGuideOekakiControls;
    EXPECT_EQ(CountInBox(g, 195, 131, 221, 131, kGuideRed), 27);  // full base
    EXPECT_LE(CountInBox(g, 195, 105, 221, 105, kGuideRed), 2);   // the point
    EXPECT_GE(CountInBox(g, 195, 105, 221, 105, kGuideRed), 1);
    EXPECT_EQ(At(g, 195, 106), kWindowBackground);
    EXPECT_EQ(CountInBox(g, 192, 147, 221, 147, kGuideRed), 30);
    EXPECT_LE(CountInBox(g, 192, 176, 221, 176, kGuideRed), 2);
    EXPECT_GE(CountInBox(g, 192, 176, 221, 176, kGuideRed), 1);
    EXPECT_EQ(CountInBox(g, 195, 132, 221, 146, kGuideRed), 0);  // the gap between them
}

TEST(GuidePicture, LettersStayInTheirBoxesAndDiffer) {
    for (int c = 0; c < 3; ++c) {
        const int g = kGuideOekakiControls + c;
        const int inBox = CountInBox(g, 27, 117, 53, 146, kColours[c]);
        EXPECT_GT(inBox, 27 * 30 / 3) << g;
        EXPECT_LT(inBox, 27 * 30) << g;
        EXPECT_EQ(CountInBox(g, 24, 114, 56, 116, kColours[c]), 0);
        EXPECT_EQ(CountInBox(g, 54, 117, 56, 146, kColours[c]), 0);
        // The same letter on the PaintBBS frame, in its own box.
        const int s = kGuidePaintSliders + c;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 27; ++x) ASSERT_EQ(At(g, 27 + x, 117 + y), At(s, 189 + x, 139 + y)) << c;
    }
    int differing = 0;
    for (int y = 117; y <= 146; ++y)
        for (int x = 27; x <= 53; ++x) differing += (At(1, x, y) == kWindowBackground) != (At(2, x, y) == kWindowBackground);
    EXPECT_GT(differing, 20);  // R and G are told apart
}

TEST(GuidePicture, PaintFramesHaveABracketSolidAboveAndDottedBelow) {
    const int g = kGuidePaintSliders;
    EXPECT_EQ(At(g, 150, 129), kGuideRed);
    EXPECT_EQ(At(g, 150, 131), kGuideRed);
    EXPECT_EQ(At(g, 150, 132), kWindowBackground);
    EXPECT_EQ(At(g, 75, 154), kGuideRed);
    EXPECT_EQ(At(g, 224, 154), kGuideRed);
    EXPECT_EQ(At(g, 78, 140), kWindowBackground);
    // The slider's zero end sits just inside the left side.
    EXPECT_EQ(At(g, 78, 138), kWindowBackground);
    EXPECT_EQ(At(g, 77, 138), kGuideRed);
    // Dots of 3 rows every 4 rows, ending at 178.
    EXPECT_EQ(At(g, 76, 178), kGuideRed);
    EXPECT_EQ(At(g, 76, 179), kWindowBackground);
    int dotRows = 0, gapRows = 0;
    for (int y = 155; y <= 178; ++y) (At(g, 76, y) == kGuideRed ? dotRows : gapRows)++;
    EXPECT_EQ(dotRows, 18);
    EXPECT_EQ(gapRows, 6);
    for (int y = 155; y <= 178; ++y) EXPECT_EQ(At(g, 76, y), At(g, 223, y)) << y;
}

}  // namespace mipro::testing
