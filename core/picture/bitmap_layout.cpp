#include "picture/bitmap_layout.h"

#include <bit>

#include "picture/decoded_picture.h"

namespace mipro {

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kDataOffsetAt = 10;
constexpr std::size_t kHeaderSizeAt = 14;

constexpr std::uint32_t kCoreHeader = 12;  // OS/2 1.x: 16-bit sizes, 3-byte palette entries
constexpr std::uint32_t kInfoHeader = 40;
constexpr std::uint32_t kV2Header = 52;    // adds the red, green and blue masks
constexpr std::uint32_t kV3Header = 56;    // adds the alpha mask
constexpr std::uint32_t kOs2Header = 64;   // OS/2 2.x: the first 40 bytes as in kInfoHeader
constexpr std::uint32_t kV4Header = 108;
constexpr std::uint32_t kV5Header = 124;

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;  // in an OS/2 2.x header this code means Huffman coding

// The masks follow a 40-byte header and lie at the same place inside the longer ones.
constexpr std::size_t kMasksAt = kFileHeaderBytes + kInfoHeader;
constexpr std::size_t kColourMaskBytes = 12;
constexpr std::size_t kAlphaMaskAt = kMasksAt + kColourMaskBytes;

constexpr ColourValue kBlack = 0;
constexpr int kMostPaletteBits = 8;

std::uint32_t Le16(const Bytes& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
std::uint32_t Le32(const Bytes& b, std::size_t at) { return Le16(b, at) | (Le16(b, at + 2) << 16); }

bool KnownHeaderSize(std::uint32_t size) {
    for (std::uint32_t known : {kCoreHeader, kInfoHeader, kV2Header, kV3Header, kOs2Header, kV4Header, kV5Header}) {
        if (size == known) return true;
    }
    return false;
}

// The fields every information header holds, wherever it holds them.
struct InfoFields {
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative for rows stored from the top
    std::uint32_t planes = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t coloursUsed = 0;  // 0: the full 2^bits
    std::size_t paletteEntryBytes = 4;
};

InfoFields ReadInfoFields(const Bytes& b, std::uint32_t headerSize) {
    constexpr std::size_t kWidthAt = 18;
    if (headerSize == kCoreHeader) {  // 16-bit width, height, planes and bits
        constexpr std::size_t kCoreEntryBytes = 3;
        return {Le16(b, kWidthAt), Le16(b, kWidthAt + 2), Le16(b, kWidthAt + 4), Le16(b, kWidthAt + 6), kRgb, 0,
                kCoreEntryBytes};
    }
    constexpr std::size_t kHeightAt = 22, kPlanesAt = 26, kBitsAt = 28, kCompressionAt = 30, kColoursUsedAt = 46;
    return {static_cast<std::int32_t>(Le32(b, kWidthAt)), static_cast<std::int32_t>(Le32(b, kHeightAt)), Le16(b, kPlanesAt),
            Le16(b, kBitsAt), Le32(b, kCompressionAt), Le32(b, kColoursUsedAt)};
}

std::optional<BitmapCoding> CodingOf(const InfoFields& f, std::uint32_t headerSize) {
    switch (f.compression) {
        case kRgb:
            if (f.bits == 1 || f.bits == 4 || f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32) {
                return BitmapCoding::Rows;
            }
            break;
        case kRle8:
            if (f.bits == 8) return BitmapCoding::Rle8;
            break;
        case kRle4:
            if (f.bits == 4) return BitmapCoding::Rle4;
            break;
        case kBitFields:
            if (headerSize != kOs2Header && (f.bits == 16 || f.bits == 32)) return BitmapCoding::Rows;
            break;
    }
    return std::nullopt;
}

bool ContiguousInside(std::uint32_t mask, std::uint32_t bits) {
    if (bits < 32 && (mask >> bits) != 0) return false;
    if (mask == 0) return true;
    const std::uint32_t run = mask >> std::countr_zero(mask);
    return (run & (run + 1)) == 0;  // all ones from bit 0 up
}

// Uncompressed pixels have fixed masks: 5 bits a component in 16 bits, 8 bits in 24 and 32 bits
// (whose fourth byte is unused). Bit fields give their own masks, and headers of 56 bytes or more
// an alpha mask too.
std::optional<BitmapMasks> ReadMasks(const Bytes& b, const InfoFields& f, std::uint32_t headerSize) {
    constexpr std::uint32_t kSixteenBits = 16;
    if (f.compression != kBitFields) {
        if (f.bits == kSixteenBits) return BitmapMasks{0x7C00, 0x03E0, 0x001F, 0};
        return BitmapMasks{0xFF0000, 0x00FF00, 0x0000FF, 0};
    }
    if (b.size() < kMasksAt + kColourMaskBytes) return std::nullopt;
    const BitmapMasks m{Le32(b, kMasksAt), Le32(b, kMasksAt + 4), Le32(b, kMasksAt + 8),
                        headerSize >= kV3Header ? Le32(b, kAlphaMaskAt) : 0};
    for (std::uint32_t mask : {m.red, m.green, m.blue, m.alpha}) {
        if (!ContiguousInside(mask, f.bits)) return std::nullopt;
    }
    return m;
}

// The colour table follows the headers: as many entries as the header says are used (at most
// 2^bits), each blue, green, red and, past the OS/2 1.x header, an unused byte.
std::optional<std::vector<ColourValue>> ReadPalette(const Bytes& b, const InfoFields& f, std::size_t at) {
    const std::uint32_t full = 1u << f.bits;
    const std::uint32_t count = (f.coloursUsed == 0 || f.coloursUsed > full) ? full : f.coloursUsed;
    if (at + count * f.paletteEntryBytes > b.size()) return std::nullopt;
    std::vector<ColourValue> palette(full, kBlack);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t entry = at + i * f.paletteEntryBytes;
        palette[i] = b[entry + 2] | (b[entry + 1] << 8) | (b[entry] << 16);
    }
    return palette;
}

}  // namespace

std::optional<BitmapLayout> ReadBitmapLayout(const Bytes& bytes) {
    if (bytes.size() < kHeaderSizeAt + 4 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    const std::uint32_t headerSize = Le32(bytes, kHeaderSizeAt);
    if (!KnownHeaderSize(headerSize) || bytes.size() < kFileHeaderBytes + headerSize) return std::nullopt;
    const std::size_t headersEnd = kFileHeaderBytes + headerSize;

    const InfoFields f = ReadInfoFields(bytes, headerSize);
    const bool topDown = f.height < 0;
    const std::int64_t rows = topDown ? -f.height : f.height;
    if (f.planes != 1 || !AcceptedPictureSize(f.width, rows)) return std::nullopt;
    const std::optional<BitmapCoding> coding = CodingOf(f, headerSize);
    if (!coding || (topDown && *coding != BitmapCoding::Rows)) return std::nullopt;
    const std::uint32_t dataOffset = Le32(bytes, kDataOffsetAt);
    if (dataOffset < headersEnd) return std::nullopt;

    BitmapLayout layout;
    layout.width = static_cast<int>(f.width);
    layout.height = static_cast<int>(rows);
    layout.topDown = topDown;
    layout.bitsPerPixel = static_cast<int>(f.bits);
    layout.coding = *coding;
    layout.dataOffset = dataOffset;
    if (f.bits <= kMostPaletteBits) {
        std::optional<std::vector<ColourValue>> palette = ReadPalette(bytes, f, headersEnd);
        if (!palette) return std::nullopt;
        layout.palette = std::move(*palette);
    } else {
        const std::optional<BitmapMasks> masks = ReadMasks(bytes, f, headerSize);
        if (!masks) return std::nullopt;
        layout.masks = *masks;
    }
    return layout;
}

}  // namespace mipro
