#include "editions/linux/x11_pixel_format.h"

#include <bit>

namespace mipro::linux_x11 {

namespace {

constexpr unsigned long kComponentMax = 0xFF;
constexpr int kGreenShift = 8;
constexpr int kBlueShift = 16;

// The levels a mask holds: its bits shifted down to the bottom.
unsigned long Levels(unsigned long mask) { return mask >> std::countr_zero(mask); }

unsigned long Rescale(unsigned long value, unsigned long fromMax, unsigned long toMax) {
    return fromMax == 0 ? 0 : (value * toMax + fromMax / 2) / fromMax;
}

unsigned long ToMask(unsigned long component, unsigned long mask) {
    if (mask == 0) return 0;
    return Rescale(component, kComponentMax, Levels(mask)) << std::countr_zero(mask);
}

unsigned long FromMask(unsigned long pixel, unsigned long mask) {
    if (mask == 0) return 0;
    return Rescale((pixel & mask) >> std::countr_zero(mask), Levels(mask), kComponentMax);
}

}  // namespace

unsigned long PixelOf(ColourValue colour, const PixelMasks& masks) {
    const auto c = static_cast<unsigned long>(colour);
    return ToMask(c & kComponentMax, masks.red) | ToMask(c >> kGreenShift & kComponentMax, masks.green) |
           ToMask(c >> kBlueShift & kComponentMax, masks.blue);
}

ColourValue ColourOf(unsigned long pixel, const PixelMasks& masks) {
    return static_cast<ColourValue>(FromMask(pixel, masks.red) | FromMask(pixel, masks.green) << kGreenShift |
                                    FromMask(pixel, masks.blue) << kBlueShift);
}

}  // namespace mipro::linux_x11
