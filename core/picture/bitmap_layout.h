// The layout of a Windows bitmap file as its headers give it: size, row order, pixel coding,
// colour masks and palette.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "base/types.h"

namespace mipro {

enum class BitmapCoding { Rows, Rle8, Rle4 };

// Where the components of a 16, 24 or 32-bit pixel value lie: each mask a contiguous run of bits
// within the pixel, or 0 for a component the pixels do not hold.
struct BitmapMasks {
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;
    std::uint32_t alpha = 0;
};

struct BitmapLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;  // rows stored from the top row down; else from the bottom row up
    int bitsPerPixel = 0;
    BitmapCoding coding = BitmapCoding::Rows;
    BitmapMasks masks;                 // pixels of 16, 24 and 32 bits
    std::vector<ColourValue> palette;  // pixels of up to 8 bits: 2^bits colours, black past the file's table
    std::size_t dataOffset = 0;        // where the pixel data starts in the file
};

// Nothing unless the bytes hold a bitmap file header and an information header of 12 (OS/2 1.x),
// 40, 52, 56, 64 (OS/2 2.x), 108 or 124 bytes, for one plane of a coding and depth the decoder
// draws, of an accepted size, with contiguous masks inside the pixel, and with its headers, masks
// and palette whole in the file. Run-length coded pictures must be stored from the bottom row up.
std::optional<BitmapLayout> ReadBitmapLayout(const std::vector<std::uint8_t>& bytes);

}  // namespace mipro
