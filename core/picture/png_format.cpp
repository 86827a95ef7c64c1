#include "picture/png_format.h"

#include <cstdlib>

#include "picture/decoded_picture.h"

namespace mipro {

namespace {

constexpr int kBitsPerByte = 8;
constexpr int kOpaque = 255;
constexpr int kTransparent = 0;

enum PngFilter { kNone = 0, kSub = 1, kUp = 2, kAverage = 3, kPaeth = 4 };

int Paeth(int left, int above, int upperLeft) {
    const int estimate = left + above - upperLeft;
    const int toLeft = std::abs(estimate - left), toAbove = std::abs(estimate - above),
              toUpperLeft = std::abs(estimate - upperLeft);
    if (toLeft <= toAbove && toLeft <= toUpperLeft) return left;
    if (toAbove <= toUpperLeft) return above;
    return upperLeft;
}

}  // namespace

int PngFormat::channels() const {
    switch (colour) {
        case PngColour::Grey: return 1;
        case PngColour::Rgb: return 3;
        case PngColour::Palette: return 1;
        case PngColour::GreyAlpha: return 2;
        case PngColour::Rgba: return 4;
    }
    return 0;
}

std::size_t PngFormat::rowBytes(int pixels) const {
    return (static_cast<std::size_t>(pixels) * bitsPerPixel() + kBitsPerByte - 1) / kBitsPerByte;
}

int PngPixels::sample(const std::uint8_t* row, int x, int channel) const {
    const std::size_t index = static_cast<std::size_t>(x) * f_.channels() + channel;
    if (f_.depth == 16) return row[2 * index] << 8 | row[2 * index + 1];
    if (f_.depth == 8) return row[index];
    const std::size_t bit = index * f_.depth;
    const int shift = kBitsPerByte - f_.depth - static_cast<int>(bit % kBitsPerByte);
    return (row[bit / kBitsPerByte] >> shift) & ((1 << f_.depth) - 1);
}

// A sample brought to 8 bits: the high byte of 16, low depths spread over 0..255.
int PngPixels::scaled(int value) const {
    if (f_.depth == 16) return value >> kBitsPerByte;
    return value * 255 / ((1 << f_.depth) - 1);
}

// The transparent grey or colour is compared as the decoder always did: 16-bit samples whole,
// others after scaling to 8 bits, against the low byte of the key scaled the same way.
bool PngPixels::keyed(const std::uint8_t* row, int x) const {
    if (!f_.hasKey) return false;
    const int samples = f_.colour == PngColour::Grey ? 1 : 3;
    for (int c = 0; c < samples; ++c) {
        const int value = sample(row, x, c);
        const bool same = f_.depth == 16 ? value == f_.key[c]
                                         : scaled(value) == (scaled(f_.key[c] & 255) & 255);
        if (!same) return false;
    }
    return true;
}

std::uint32_t PngPixels::colour(const std::uint8_t* row, int x) const {
    switch (f_.colour) {
        case PngColour::Palette: {
            const std::size_t index = static_cast<std::size_t>(sample(row, x, 0));
            if (index >= f_.palette.size()) return ColourOnWhite(0, 0, 0, kOpaque);  // not in the palette
            const auto& p = f_.palette[index];
            return ColourOnWhite(p[0], p[1], p[2], p[3]);
        }
        case PngColour::Grey: {
            const int grey = scaled(sample(row, x, 0));
            return ColourOnWhite(grey, grey, grey, keyed(row, x) ? kTransparent : kOpaque);
        }
        case PngColour::Rgb:
            return ColourOnWhite(scaled(sample(row, x, 0)), scaled(sample(row, x, 1)), scaled(sample(row, x, 2)),
                                 keyed(row, x) ? kTransparent : kOpaque);
        case PngColour::GreyAlpha: {
            const int grey = scaled(sample(row, x, 0));
            return ColourOnWhite(grey, grey, grey, scaled(sample(row, x, 1)));
        }
        case PngColour::Rgba:
            return ColourOnWhite(scaled(sample(row, x, 0)), scaled(sample(row, x, 1)), scaled(sample(row, x, 2)),
                                 scaled(sample(row, x, 3)));
    }
    return ColourOnWhite(0, 0, 0, kOpaque);
}

bool UnfilterPngRow(int filter, std::uint8_t* row, const std::uint8_t* previous, std::size_t bytes, std::size_t bytesPerPixel) {
    if (filter < kNone || filter > kPaeth) return false;
    if (filter == kNone) return true;
    for (std::size_t i = 0; i < bytes; ++i) {
        const int left = i >= bytesPerPixel ? row[i - bytesPerPixel] : 0;
        const int above = previous[i];
        const int upperLeft = i >= bytesPerPixel ? previous[i - bytesPerPixel] : 0;
        int predicted = 0;
        switch (filter) {
            case kSub: predicted = left; break;
            case kUp: predicted = above; break;
            case kAverage: predicted = (left + above) / 2; break;
            default: predicted = Paeth(left, above, upperLeft); break;
        }
        row[i] = static_cast<std::uint8_t>(row[i] + predicted);
    }
    return true;
}

}  // namespace mipro
