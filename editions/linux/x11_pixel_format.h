// Colour values (red in the low byte) and the pixel values of a TrueColor visual, which place
// red, green and blue where the visual's masks say, at the masks' widths.
#pragma once

#include "base/types.h"

namespace mipro::linux_x11 {

struct PixelMasks {
    unsigned long red = 0;
    unsigned long green = 0;
    unsigned long blue = 0;
};

// Each eight-bit component scaled to the width of its mask, to the nearest level.
unsigned long PixelOf(ColourValue colour, const PixelMasks& masks);

// Each component of the pixel scaled to eight bits, to the nearest level.
ColourValue ColourOf(unsigned long pixel, const PixelMasks& masks);

}  // namespace mipro::linux_x11
