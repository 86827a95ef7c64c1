// A colour value's channels, and the 32-bit pixel the window systems keep it in.
#pragma once

#include <cstdint>

#include "base/types.h"

namespace mipro {

constexpr int RedOf(ColourValue c) { return c & 0xFF; }
constexpr int GreenOf(ColourValue c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(ColourValue c) { return (c >> 16) & 0xFF; }
constexpr ColourValue ColourFromRgb(int red, int green, int blue) { return red | green << 8 | blue << 16; }

// The pixel of a 32-bit bitmap, with blue in the low byte and red in bits 16-23, as a Windows
// 32-bit DIB and a cairo image surface keep it; the top byte is 0. A colour value has its red in
// the low byte instead.
constexpr std::uint32_t XrgbPixel(ColourValue c) {
    return static_cast<std::uint32_t>(RedOf(c)) << 16 | static_cast<std::uint32_t>(GreenOf(c)) << 8 |
           static_cast<std::uint32_t>(BlueOf(c));
}

// The same pixel with an opaque alpha channel in the top byte, as a cairo ARGB32 surface keeps it.
constexpr std::uint32_t OpaqueArgbPixel(ColourValue c) { return 0xFF000000u | XrgbPixel(c); }

}  // namespace mipro
