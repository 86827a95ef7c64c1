// What a PNG's header and the chunks before its image data say about its pixels.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace mipro {

enum class PngColour : std::uint8_t { Grey = 0, Rgb = 2, Palette = 3, GreyAlpha = 4, Rgba = 6 };

struct PngFormat {
    int width = 0;
    int height = 0;
    int depth = 0;  // bits a sample: 1, 2, 4, 8 or 16
    PngColour colour = PngColour::Grey;
    bool interlaced = false;
    std::vector<std::array<std::uint8_t, 4>> palette;  // red, green, blue, alpha
    bool hasKey = false;                                // a transparent grey or colour (tRNS)
    std::array<std::uint16_t, 3> key{};                 // its samples: grey, or red, green, blue

    int channels() const;
    int bitsPerPixel() const { return channels() * depth; }
    // The bytes of a row of `pixels` pixels, without its filter byte.
    std::size_t rowBytes(int pixels) const;
};

// Turns one unfiltered row into colours on white: the first `count` pixels of it.
class PngPixels {
public:
    explicit PngPixels(const PngFormat& format) : f_(format) {}
    std::uint32_t colour(const std::uint8_t* row, int x) const;

private:
    int sample(const std::uint8_t* row, int x, int channel) const;  // raw, 0 .. 2^depth - 1
    int scaled(int sample) const;                                    // 0 .. 255
    bool keyed(const std::uint8_t* row, int x) const;

    const PngFormat& f_;
};

// Undoes a row's filter in place. `previous` is the row above in the same pass (zeros for the
// first); `bytesPerPixel` at least 1. False for an unknown filter type.
bool UnfilterPngRow(int filter, std::uint8_t* row, const std::uint8_t* previous, std::size_t bytes, std::size_t bytesPerPixel);

}  // namespace mipro
