#include "picture/file_checks.h"

#include <array>
#include <limits>

namespace mipro {

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kRunsOut = std::numeric_limits<std::size_t>::max();

bool StartsWith(const Bytes& b, std::initializer_list<std::uint8_t> signature) {
    if (b.size() < signature.size()) return false;
    std::size_t i = 0;
    for (std::uint8_t s : signature) {
        if (b[i++] != s) return false;
    }
    return true;
}

// GIF: the blocks up to and including the first image's data must all be present.
bool GifFirstFrameComplete(const Bytes& b) {
    constexpr std::size_t kScreenDescriptorEnd = 13, kImageDescriptor = 10;
    constexpr std::uint8_t kExtension = 0x21, kImage = 0x2C, kHasColourTable = 0x80;
    auto tableBytes = [](std::uint8_t flags) {
        return (flags & kHasColourTable) ? std::size_t{3} << ((flags & 7) + 1) : std::size_t{0};
    };
    // Skips a chain of data sub-blocks and its terminator; kRunsOut when the file ends first.
    auto skipSubBlocks = [&b](std::size_t at) {
        while (at < b.size() && b[at] != 0) at += b[at] + 1u;
        return at < b.size() ? at + 1 : kRunsOut;
    };
    if (b.size() < kScreenDescriptorEnd) return false;
    std::size_t at = kScreenDescriptorEnd + tableBytes(b[10]);
    while (at < b.size()) {
        if (b[at] == kExtension) {
            at = skipSubBlocks(at + 2);
        } else if (b[at] == kImage) {
            if (at + kImageDescriptor > b.size()) return false;
            at += kImageDescriptor + tableBytes(b[at + 9]) + 1;  // descriptor, table, LZW code size
            return skipSubBlocks(at) != kRunsOut;
        } else {
            return false;
        }
    }
    return false;
}

std::size_t Be16(const Bytes& b, std::size_t at) { return static_cast<std::size_t>(b[at] << 8 | b[at + 1]); }

// What a JPEG has defined so far: Huffman tables by class (DC, AC) and number, quantisation
// tables by number, and the quantisation table of each component of its frame by component id.
struct JpegTables {
    static constexpr int kPerKind = 4;
    static constexpr int kNoComponent = -1;
    static constexpr int kComponentIds = 256;
    JpegTables() { componentTable.fill(kNoComponent); }
    bool dc[kPerKind] = {};
    bool ac[kPerKind] = {};
    bool quantisation[kPerKind] = {};
    std::array<int, kComponentIds> componentTable;
};

// The tables of one Huffman segment: each is a class-and-number byte, 16 counts of codes and the
// codes. Each table found is recorded.
bool ReadHuffmanTables(const Bytes& b, std::size_t at, std::size_t end, JpegTables& defined) {
    constexpr std::size_t kCountBytes = 16, kMostCodes = 256;
    while (at < end) {
        if (at + 1 + kCountBytes > end) return false;
        const int tableClass = b[at] >> 4, number = b[at] & 15;
        if (tableClass > 1 || number >= JpegTables::kPerKind) return false;
        (tableClass == 0 ? defined.dc : defined.ac)[number] = true;
        std::size_t codes = 0;
        for (std::size_t i = 1; i <= kCountBytes; ++i) codes += b[at + i];
        if (codes > kMostCodes) return false;
        at += 1 + kCountBytes + codes;
    }
    return at == end;
}

// The tables of one quantisation segment: each is a precision-and-number byte (precision 0 for
// 8-bit values, 1 for 16-bit ones) and 64 values. Each table found is recorded.
bool ReadQuantisationTables(const Bytes& b, std::size_t at, std::size_t end, JpegTables& defined) {
    constexpr std::size_t kValues = 64;
    while (at < end) {
        const int precision = b[at] >> 4, number = b[at] & 15;
        if (precision > 1 || number >= JpegTables::kPerKind) return false;
        defined.quantisation[number] = true;
        at += 1 + kValues * static_cast<std::size_t>(precision + 1);
    }
    return at == end;
}

// A frame header: sample precision, height, width, the number of components and for each its id,
// sampling factors and quantisation table number. Each component's table number is recorded.
bool ReadFrameComponents(const Bytes& b, std::size_t at, std::size_t end, JpegTables& defined) {
    constexpr std::size_t kCountAt = 5, kComponentBytes = 3;
    if (at + kCountAt >= end) return false;
    const std::size_t first = at + kCountAt + 1, components = b[at + kCountAt];
    if (first + components * kComponentBytes > end) return false;
    for (std::size_t i = 0; i < components; ++i) {
        const std::size_t component = first + i * kComponentBytes;
        defined.componentTable[b[component]] = b[component + 2];
    }
    return true;
}

// A scan header: its components, each an id and the numbers of its DC and AC tables, then the
// first and last coefficient it codes. The decoder reads an undefined table out of bounds or
// from uncleared memory (its tables are not cleared), so every table the scan decodes with must
// have been defined: each component's quantisation table, and its Huffman tables as it uses them.
// A sequential scan codes every coefficient whatever its header says: both tables. A progressive
// scan uses the DC table when it starts at coefficient 0 and the AC table when it goes beyond it.
bool ScanTablesDefined(const Bytes& b, std::size_t at, std::size_t end, const JpegTables& defined, bool progressive) {
    if (at >= end) return false;
    const std::size_t components = b[at];
    const std::size_t spectrum = at + 1 + 2 * components;
    if (spectrum + 2 > end) return false;
    const bool codesDc = !progressive || b[spectrum] == 0;
    const bool codesAc = !progressive || b[spectrum + 1] > 0;
    for (std::size_t i = 0; i < components; ++i) {
        const int quantisation = defined.componentTable[b[at + 1 + 2 * i]];
        if (quantisation < 0 || quantisation >= JpegTables::kPerKind || !defined.quantisation[quantisation]) return false;
        const int dcTable = b[at + 2 + 2 * i] >> 4, acTable = b[at + 2 + 2 * i] & 15;
        if (dcTable >= JpegTables::kPerKind || acTable >= JpegTables::kPerKind) return false;
        if (codesDc && !defined.dc[dcTable]) return false;
        if (codesAc && !defined.ac[acTable]) return false;
    }
    return true;
}

// JPEG: every segment whole, every table within bounds and defined before a scan uses it, and the
// end-of-image marker after the image data. Like the decoder, the walk finds the start marker
// after any fill bytes and passes over bytes between segments; inside the image data a 0xFF byte
// is followed by a zero or a restart marker only, so no marker is seen there.
bool JpegSound(const Bytes& b) {
    constexpr std::uint8_t kMarker = 0xFF, kStuffed = 0x00, kFirstRestart = 0xD0, kLastRestart = 0xD7;
    constexpr std::uint8_t kStartOfImage = 0xD8, kEndOfImage = 0xD9, kStartOfScan = 0xDA;
    constexpr std::uint8_t kHuffmanTables = 0xC4, kQuantisationTables = 0xDB;
    constexpr std::uint8_t kBaselineFrame = 0xC0, kProgressiveFrame = 0xC2;  // and the extended frame between
    std::size_t at = 0;
    while (at < b.size() && b[at] == kMarker) ++at;
    if (at == 0 || at >= b.size() || b[at] != kStartOfImage) return false;
    ++at;

    bool scanned = false, progressive = false;
    JpegTables defined;
    while (at + 1 < b.size()) {
        const std::uint8_t m = b[at + 1];
        if (b[at] != kMarker || m == kMarker) {
            ++at;  // image data, padding or a fill byte
        } else if (m == kStuffed || (m >= kFirstRestart && m <= kLastRestart)) {
            at += 2;
        } else if (m == kEndOfImage) {
            return scanned;
        } else {
            if (at + 4 > b.size()) return false;
            const std::size_t end = at + 2 + Be16(b, at + 2);
            if (end < at + 4 || end > b.size()) return false;
            if (m == kProgressiveFrame) progressive = true;
            const bool frame = m >= kBaselineFrame && m <= kProgressiveFrame;
            if (frame && !ReadFrameComponents(b, at + 4, end, defined)) return false;
            if (m == kHuffmanTables && !ReadHuffmanTables(b, at + 4, end, defined)) return false;
            if (m == kQuantisationTables && !ReadQuantisationTables(b, at + 4, end, defined)) return false;
            if (m == kStartOfScan && !ScanTablesDefined(b, at + 4, end, defined, progressive)) return false;
            if (m == kStartOfScan) scanned = true;
            at = end;
        }
    }
    return false;
}

// PNG: every chunk lies whole inside the file, up to the end chunk. The decoder sizes its buffer
// from a data chunk's stated length before it reads the data.
bool PngChunksWhole(const Bytes& b) {
    constexpr std::size_t kSignature = 8, kChunkFrame = 12;  // length, type and checksum
    std::size_t at = kSignature;
    while (at + kChunkFrame <= b.size()) {
        const std::uint64_t length = static_cast<std::uint64_t>(Be16(b, at)) << 16 | Be16(b, at + 2);
        if (at + kChunkFrame + length > b.size()) return false;
        if (b[at + 4] == 'I' && b[at + 5] == 'E' && b[at + 6] == 'N' && b[at + 7] == 'D') return true;
        at += kChunkFrame + static_cast<std::size_t>(length);
    }
    return false;
}

}  // namespace

bool IsPngFile(const Bytes& b) { return StartsWith(b, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}); }
bool IsGifFile(const Bytes& b) { return StartsWith(b, {'G', 'I', 'F', '8'}); }

bool PassesFileChecks(const Bytes& bytes) {
    if (IsPngFile(bytes)) return PngChunksWhole(bytes);
    if (IsGifFile(bytes)) return GifFirstFrameComplete(bytes);
    return JpegSound(bytes);  // the only other format the decoder reads
}

bool HoldsDataForSize(const Bytes& bytes, int width, int height) {
    constexpr std::uint64_t kPixelsPerBit = 64;  // one 8 x 8 block
    if (IsPngFile(bytes) || IsGifFile(bytes)) return true;
    const std::uint64_t pixels = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height);
    return bytes.size() * 8 * kPixelsPerBit >= pixels;
}

}  // namespace mipro
