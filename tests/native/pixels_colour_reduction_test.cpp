// The colour reduction of page 3: pictures with known results, its colour space, and the same
// result from both compilers (this file also runs in the Windows tree, under Wine).
#include "pixels/colour_reduction.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <set>

#include "base/colour.h"
#include "pixels/colour_points.h"
#include "pixels/oklab.h"

namespace mipro {
namespace {

constexpr ColourValue kWhite = 0xFFFFFF;

std::set<ColourValue> ColoursIn(const Picture& p) {
    std::set<ColourValue> colours;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x)
            if (p.point(x, y) != kWhite) colours.insert(p.point(x, y));
    return colours;
}

// Smooth ramps in every direction: one colour a pixel.
Picture Ramps(int width, int height) {
    Picture p(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) p.setPoint(x, y, ColourFromRgb(x * 255 / width, y * 255 / height, (x + y) % 256));
    return p;
}

// Columns of the given colours, one each, repeated across the picture.
Picture Stripes(const std::vector<ColourValue>& colours, int height = 8) {
    Picture p(static_cast<int>(colours.size()) * 2, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < p.width(); ++x) p.setPoint(x, y, colours[static_cast<std::size_t>(x) % colours.size()]);
    return p;
}

// Sixteen colours far apart: the corners of the colour cube and eight between them.
std::vector<ColourValue> SixteenApart() {
    std::vector<ColourValue> c;
    for (int r : {0, 255})
        for (int g : {0, 255})
            for (int b : {0, 200}) c.push_back(ColourFromRgb(r, g, b));
    for (int r : {60, 180})
        for (int g : {60, 180})
            for (int b : {100, 160}) c.push_back(ColourFromRgb(r, g, b));
    return c;
}

// The mean of one component over a rectangle.
double MeanOf(const Picture& p, int (*component)(ColourValue), int x0, int x1, int y0, int y1) {
    double sum = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) sum += component(p.point(x, y));
    return sum / ((x1 - x0) * (y1 - y0));
}

bool MultiplesOfFive(ColourValue c) { return RedOf(c) % 5 == 0 && GreenOf(c) % 5 == 0 && BlueOf(c) % 5 == 0; }

// Published OKLab values of the sRGB primaries, white and black.
TEST(Oklab, GivesThePublishedValues) {
    const struct {
        ColourValue colour;
        Lab lab;
    } known[] = {
        {ColourFromRgb(255, 255, 255), {1.0, 0.0, 0.0}},
        {ColourFromRgb(0, 0, 0), {0.0, 0.0, 0.0}},
        {ColourFromRgb(255, 0, 0), {0.627955, 0.224863, 0.125846}},
        {ColourFromRgb(0, 255, 0), {0.866440, -0.233888, 0.179498}},
        {ColourFromRgb(0, 0, 255), {0.452014, -0.032457, -0.311528}},
    };
    for (const auto& k : known) {
        const Lab lab = LabOf(k.colour);
        EXPECT_NEAR(lab.L, k.lab.L, 1e-5) << k.colour;
        EXPECT_NEAR(lab.a, k.lab.a, 1e-5) << k.colour;
        EXPECT_NEAR(lab.b, k.lab.b, 1e-5) << k.colour;
    }
}

TEST(Oklab, EveryColourComesBackFromItsLab) {
    for (int r = 0; r < 256; r += 3)
        for (int g = 0; g < 256; g += 3)
            for (int b = 0; b < 256; b += 3) ASSERT_EQ(ColourOf(LabOf(ColourFromRgb(r, g, b))), ColourFromRgb(r, g, b));
    EXPECT_EQ(ColourOf({2.0, 0.0, 0.0}), kWhite) << "beyond white";
    EXPECT_EQ(ColourOf({-1.0, 0.0, 0.0}), 0) << "beyond black";
}

struct Known {
    const char* what;
    std::function<Picture()> picture;
    ColourReduction how;
    // What the reduced picture must be, given the original.
    std::function<void(const Picture& original, const Picture& reduced)> check;
};

const Known kKnown[] = {
    {"as many colours as asked, with white besides, come back unchanged, even those PaintBBS cannot show",
     [] {
         std::vector<ColourValue> c = SixteenApart();
         c[8] = ColourFromRgb(61, 59, 101);
         Picture p = Stripes(c);
         p.setPoint(0, 0, kWhite);
         return p;
     },
     {16, true, MultipleOfFive},
     [](const Picture& original, const Picture& reduced) { EXPECT_EQ(reduced, original); }},
    {"one colour too many: the two nearest become one, the others stay as they were",
     [] {
         std::vector<ColourValue> c = SixteenApart();
         c.push_back(ColourFromRgb(62, 58, 101));  // beside (60, 60, 100)
         return Stripes(c);
     },
     {16, false, AnyColour},
     [](const Picture& original, const Picture& reduced) {
         EXPECT_EQ(ColoursIn(reduced).size(), 16u);
         const ColourValue near = ColourFromRgb(60, 60, 100), beside = ColourFromRgb(62, 58, 101);
         for (int y = 0; y < original.height(); ++y) {
             for (int x = 0; x < original.width(); ++x) {
                 const ColourValue was = original.point(x, y), is = reduced.point(x, y);
                 if (was == near || was == beside) {
                     EXPECT_EQ(is, reduced.point(8, 0)) << "the pair become one colour";
                     EXPECT_LE(std::abs(RedOf(is) - 61), 1);
                 } else {
                     EXPECT_EQ(is, was);
                 }
             }
         }
     }},
    {"a picture of ramps takes all the colours asked for and no more",
     [] { return Ramps(64, 64); }, {32, false, AnyColour},
     [](const Picture&, const Picture& reduced) { EXPECT_EQ(ColoursIn(reduced).size(), 32u); }},
    {"the same, dithered", [] { return Ramps(64, 64); }, {64, true, AnyColour},
     [](const Picture&, const Picture& reduced) { EXPECT_EQ(ColoursIn(reduced).size(), 64u); }},
    {"white stays white and nothing else becomes white",
     [] {
         Picture p = Ramps(48, 48);
         for (int i = 0; i < 48; ++i) {
             p.setPoint(i, 0, kWhite);
             p.setPoint(i, 20, kWhite);
             p.setPoint(20, i, kWhite);
         }
         return p;
     },
     {16, true, MultipleOfFive},
     [](const Picture& original, const Picture& reduced) {
         for (int y = 0; y < original.height(); ++y)
             for (int x = 0; x < original.width(); ++x)
                 EXPECT_EQ(reduced.point(x, y) == kWhite, original.point(x, y) == kWhite) << x << "," << y;
     }},
    {"a light grey dithered beside nearly white is never made white",
     [] {
         // Nearly white colours that PaintBBS shows as white, a light grey it shows as 245, and
         // darker greys enough to need a reduction.
         Picture p(48, 32);
         for (int y = 0; y < 32; ++y) {
             for (int x = 0; x < 48; ++x) {
                 const int k = (x + y) % 8;
                 ColourValue c = ColourFromRgb(253 + (k & 1), 253 + (k >> 1 & 1), 253 + (k >> 2 & 1));
                 if (x < 24) c = ColourFromRgb(246, 246, 246);
                 if (y >= 28) c = ColourFromRgb(20 * (x % 10), 20 * (x % 10), 20 * (x % 10));
                 p.setPoint(x, y, c);
             }
         }
         return p;
     },
     {16, true, MultipleOfFive},
     [](const Picture& original, const Picture& reduced) {
         for (int y = 0; y < original.height(); ++y) {
             for (int x = 0; x < original.width(); ++x) {
                 if (!NearlyWhite(original.point(x, y))) {
                     EXPECT_NE(reduced.point(x, y), kWhite) << x << "," << y;
                 }
             }
         }
     }},
    {"a light grey among many nearly white pixels takes the palette's colour below white",
     [] {
         std::vector<ColourValue> c = SixteenApart();
         c.erase(c.begin() + 7);  // white's corner of the cube: (255, 255, 200)
         c.push_back(ColourFromRgb(254, 254, 254));
         c.push_back(ColourFromRgb(253, 254, 254));
         Picture p = Stripes(c, 40);
         p.setPoint(0, 0, ColourFromRgb(236, 236, 236));
         return p;
     },
     {16, false, MultipleOfFive},
     [](const Picture&, const Picture& reduced) {
         EXPECT_EQ(reduced.point(0, 0), ColourFromRgb(250, 250, 250));
         EXPECT_EQ(reduced.point(15, 1), ColourFromRgb(250, 250, 250)) << "the nearly white pixels with it";
     }},
    {"on PaintBBS every colour is one its sliders set", [] { return Ramps(40, 40); }, {128, true, MultipleOfFive},
     [](const Picture&, const Picture& reduced) {
         for (const ColourValue c : ColoursIn(reduced)) EXPECT_TRUE(MultiplesOfFive(c)) << c;
     }},
};

TEST(ColourReduction, PicturesWithKnownResults) {
    for (const Known& k : kKnown) {
        SCOPED_TRACE(k.what);
        const Picture original = k.picture();
        k.check(original, ReduceColours(original, k.how));
    }
}

TEST(ColourReduction, EveryCountGivesAtMostThatManyColours) {
    const Picture ramps = Ramps(96, 96);
    for (const int count : {16, 32, 64, 128, 256}) {
        for (const bool dither : {false, true}) {
            const std::size_t colours = ColoursIn(ReduceColours(ramps, {count, dither, MultipleOfFive})).size();
            EXPECT_LE(colours, static_cast<std::size_t>(count)) << count << (dither ? " dithered" : "");
            EXPECT_GE(colours, static_cast<std::size_t>(count) * 3 / 4) << count << (dither ? " dithered" : "");
        }
    }
}

// A flat area whose colour PaintBBS cannot show: without dithering it takes a colour the sliders
// set, with dithering its mean stays the colour.
TEST(ColourReduction, DitheringKeepsTheMeanOfAFlatArea) {
    const ColourValue flat = ColourFromRgb(122, 81, 203);
    Picture p = Ramps(128, 128);
    for (int y = 16; y < 112; ++y)
        for (int x = 16; x < 112; ++x) p.setPoint(x, y, flat);
    const auto offBy = [&](const Picture& reduced) {
        double off = 0;
        for (auto* component : {RedOf, GreenOf, BlueOf})
            off += std::abs(MeanOf(reduced, component, 24, 104, 24, 104) - component(flat));
        return off;
    };
    EXPECT_GE(offBy(ReduceColours(p, {16, false, MultipleOfFive})), 3.0);
    EXPECT_LE(offBy(ReduceColours(p, {16, true, MultipleOfFive})), 0.5);
}

// The digest of one reduction: FNV-1a over its pixels.
std::uint64_t Digest(const Picture& p) {
    std::uint64_t h = 14695981039346656037ull;
    for (int y = 0; y < p.height(); ++y) {
        for (int x = 0; x < p.width(); ++x) {
            h = (h ^ static_cast<std::uint32_t>(p.point(x, y))) * 1099511628211ull;
        }
    }
    return h;
}

TEST(ColourReduction, TheSamePictureGivesTheSameResultEverywhere) {
    const Picture ramps = Ramps(120, 90);
    const ColourReduction how{32, true, MultipleOfFive};
    const Picture first = ReduceColours(ramps, how);
    EXPECT_EQ(ReduceColours(ramps, how), first);
    // What g++ on Linux gives; the Windows tree's MinGW build must give the same.
    EXPECT_EQ(Digest(first), 11776741587335978367u);
}

}  // namespace
}  // namespace mipro
