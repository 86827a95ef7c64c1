#include "picture/bitmap_rows.h"

#include <bit>

#include "picture/decoded_picture.h"

namespace mipro {

namespace {

constexpr int kOpaque = 255;
constexpr int kComponentTop = 255;
constexpr int kBitsPerByte = 8;
constexpr std::uint64_t kRowAlignBytes = 4;
constexpr std::uint64_t kRowAlignBits = kRowAlignBytes * kBitsPerByte;

std::uint64_t RowBytes(const BitmapLayout& layout) {
    const std::uint64_t bits = static_cast<std::uint64_t>(layout.width) * layout.bitsPerPixel;
    return (bits + kRowAlignBits - 1) / kRowAlignBits * kRowAlignBytes;
}

int PaletteIndex(const std::uint8_t* row, int x, int bits) {
    const std::size_t bit = static_cast<std::size_t>(x) * bits;
    const int shift = kBitsPerByte - bits - static_cast<int>(bit % kBitsPerByte);
    return (row[bit / kBitsPerByte] >> shift) & ((1 << bits) - 1);
}

std::uint32_t PixelValue(const std::uint8_t* row, int x, int bytesPerPixel) {
    const std::uint8_t* pixel = row + static_cast<std::size_t>(x) * bytesPerPixel;
    std::uint32_t value = 0;
    for (int i = bytesPerPixel - 1; i >= 0; --i) value = value << kBitsPerByte | pixel[i];
    return value;
}

// One component of a colour value brought to 0..255 as Windows draws it: a component narrower
// than a byte repeats its bits downwards (5 bits: c << 3 | c >> 2; 6 bits: c << 2 | c >> 4), a
// wider one is scaled from its mask's range with rounding.
class Component {
public:
    explicit Component(std::uint32_t mask)
        : mask_(mask),
          shift_(mask == 0 ? 0 : std::countr_zero(mask)),
          top_(mask >> shift_),
          bits_(static_cast<int>(std::bit_width(top_))) {}

    int operator()(std::uint32_t value) const {
        if (top_ == 0) return 0;
        const std::uint64_t v = (value & mask_) >> shift_;
        if (bits_ < kBitsPerByte) return RepeatedBits(static_cast<int>(v));
        return static_cast<int>((v * kComponentTop + top_ / 2) / top_);
    }

private:
    // The component's bits written from the top of a byte down, as often as they fit.
    int RepeatedBits(int v) const {
        int byte = 0;
        for (int shift = kBitsPerByte - bits_; shift > -bits_; shift -= bits_) {
            byte |= shift >= 0 ? v << shift : v >> -shift;
        }
        return byte;
    }

    std::uint32_t mask_;
    int shift_;
    std::uint64_t top_;  // the component's largest value
    int bits_;
};

class MaskedColour {
public:
    MaskedColour(const BitmapMasks& masks, bool blend)
        : red_(masks.red), green_(masks.green), blue_(masks.blue), alpha_(masks.alpha), blend_(blend) {}

    ColourValue operator()(std::uint32_t value) const {
        return ColourOnWhite(red_(value), green_(value), blue_(value), blend_ ? alpha_(value) : kOpaque);
    }

private:
    Component red_, green_, blue_, alpha_;
    bool blend_;
};

class Rows {
public:
    Rows(const std::uint8_t* data, const BitmapLayout& layout)
        : data_(data), rowBytes_(RowBytes(layout)), height_(layout.height), topDown_(layout.topDown) {}

    // Row y counted from the top of the picture.
    const std::uint8_t* row(int y) const {
        const int stored = topDown_ ? y : height_ - 1 - y;
        return data_ + static_cast<std::size_t>(stored) * rowBytes_;
    }

private:
    const std::uint8_t* data_;
    std::uint64_t rowBytes_;
    int height_;
    bool topDown_;
};

bool AnyCoverage(const Rows& rows, const BitmapLayout& layout, int bytesPerPixel) {
    for (int y = 0; y < layout.height; ++y) {
        const std::uint8_t* row = rows.row(y);
        for (int x = 0; x < layout.width; ++x) {
            if (PixelValue(row, x, bytesPerPixel) & layout.masks.alpha) return true;
        }
    }
    return false;
}

}  // namespace

bool DrawBitmapRows(const std::vector<std::uint8_t>& bytes, const BitmapLayout& layout, Picture& canvas) {
    if (layout.dataOffset + RowBytes(layout) * layout.height > bytes.size()) return false;
    const Rows rows(bytes.data() + layout.dataOffset, layout);
    const int bits = layout.bitsPerPixel;
    if (!layout.palette.empty()) {
        for (int y = 0; y < canvas.height(); ++y) {
            const std::uint8_t* row = rows.row(y);
            for (int x = 0; x < canvas.width(); ++x) canvas.setPoint(x, y, layout.palette[PaletteIndex(row, x, bits)]);
        }
        return true;
    }
    const int bytesPerPixel = bits / kBitsPerByte;
    const MaskedColour colour(layout.masks, layout.masks.alpha != 0 && AnyCoverage(rows, layout, bytesPerPixel));
    for (int y = 0; y < canvas.height(); ++y) {
        const std::uint8_t* row = rows.row(y);
        for (int x = 0; x < canvas.width(); ++x) canvas.setPoint(x, y, colour(PixelValue(row, x, bytesPerPixel)));
    }
    return true;
}

}  // namespace mipro
