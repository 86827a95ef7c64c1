// The colours of a picture as the colour reduction weighs them.
#pragma once

#include <cstdint>
#include <vector>

#include "base/colour.h"
#include "base/picture.h"
#include "pixels/oklab.h"

namespace mipro {

// Pure white is left out of the pixel list: the board's canvas is left alone there.
constexpr ColourValue kPureWhite = 0xFFFFFF;
// Nearly white: every component at least this. PaintBBS's sliders show such a colour as white or
// as the step below it.
constexpr int kNearlyWhiteFrom = 250;

constexpr bool NearlyWhite(ColourValue c) {
    return RedOf(c) >= kNearlyWhiteFrom && GreenOf(c) >= kNearlyWhiteFrom && BlueOf(c) >= kNearlyWhiteFrom;
}

struct ColourCount {
    ColourValue colour = 0;
    std::int32_t pixels = 0;
};

// Every colour of the picture but pure white, once, in ascending order of value, with its pixels.
std::vector<ColourCount> CountColours(const Picture& picture);

// A group of similar colours, as the palette is built from them.
struct ColourPoint {
    Lab lab;                  // the mean of its colours in OKLab, weighted by their pixels
    double weight = 0;        // the pixels of its colours
    bool nearlyWhite = true;  // every colour in it is nearly white
};

// The colours as at most maxPoints points: each colour a point of its own while there are few
// enough; else colours that agree in the upper bits of each component (as many bits as leave
// maxPoints groups or fewer) make one point. Always in the same order for the same colours.
std::vector<ColourPoint> PointsOf(const std::vector<ColourCount>& colours, std::size_t maxPoints);

}  // namespace mipro
