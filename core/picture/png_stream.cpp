#include "picture/png_stream.h"

#include <limits>

#include <zlib.h>

#include "picture/decoded_picture.h"

namespace mipro {

namespace {

constexpr std::size_t kSignatureBytes = 8;
constexpr std::size_t kChunkFrameBytes = 12;  // length, type and checksum
constexpr std::size_t kHeaderBytes = 13;
constexpr std::size_t kPaletteEntryBytes = 3;
constexpr std::size_t kMostPaletteEntries = 256;
constexpr std::uint32_t kLargestChunk = 0x7FFFFFFF;
constexpr std::uint8_t kAncillaryBit = 0x20;  // in the first letter of a chunk's type

constexpr std::uint32_t Type(const char (&name)[5]) {
    return static_cast<std::uint32_t>(name[0]) << 24 | static_cast<std::uint32_t>(name[1]) << 16 |
           static_cast<std::uint32_t>(name[2]) << 8 | static_cast<std::uint32_t>(name[3]);
}
constexpr std::uint32_t kHeader = Type("IHDR"), kPalette = Type("PLTE"), kTransparency = Type("tRNS"),
                        kData = Type("IDAT"), kEnd = Type("IEND");

std::uint32_t Be32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}
std::uint16_t Be16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] << 8 | p[1]); }

bool ValidDepth(PngColour colour, int depth) {
    switch (colour) {
        case PngColour::Grey: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
        case PngColour::Palette: return depth == 1 || depth == 2 || depth == 4 || depth == 8;
        case PngColour::Rgb:
        case PngColour::GreyAlpha:
        case PngColour::Rgba: return depth == 8 || depth == 16;
    }
    return false;
}

// IHDR: width, height, depth, colour type, compression, filter and interlace methods.
bool ReadHeader(const std::uint8_t* d, std::size_t length, PngFormat& f) {
    if (length != kHeaderBytes) return false;
    const std::uint32_t width = Be32(d), height = Be32(d + 4);
    const int colour = d[9];
    if (!AcceptedPictureSize(width, height)) return false;
    if (colour != 0 && colour != 2 && colour != 3 && colour != 4 && colour != 6) return false;
    f.width = static_cast<int>(width);
    f.height = static_cast<int>(height);
    f.depth = d[8];
    f.colour = static_cast<PngColour>(colour);
    f.interlaced = d[12] == 1;
    return ValidDepth(f.colour, f.depth) && d[10] == 0 && d[11] == 0 && d[12] <= 1;
}

bool ReadPalette(const std::uint8_t* d, std::size_t length, PngFormat& f) {
    if (length == 0 || length % kPaletteEntryBytes != 0 || length / kPaletteEntryBytes > kMostPaletteEntries) return false;
    f.palette.clear();
    for (std::size_t i = 0; i < length; i += kPaletteEntryBytes) f.palette.push_back({d[i], d[i + 1], d[i + 2], 255});
    return true;
}

// tRNS: alpha values for the first palette entries, or the one transparent grey or colour. A
// table that does not fit the picture is refused, as the decoder always did; one in a picture
// with its own alpha is passed over.
bool ReadTransparency(const std::uint8_t* d, std::size_t length, PngFormat& f) {
    if (f.colour == PngColour::Palette) {
        if (f.palette.empty() || length > f.palette.size()) return false;
        for (std::size_t i = 0; i < length; ++i) f.palette[i][3] = d[i];
        return true;
    }
    if (f.colour == PngColour::GreyAlpha || f.colour == PngColour::Rgba) return true;
    const std::size_t samples = f.colour == PngColour::Grey ? 1 : 3;
    if (length != 2 * samples) return false;
    for (std::size_t i = 0; i < samples; ++i) f.key[i] = Be16(d + 2 * i);
    f.hasKey = true;
    return true;
}

}  // namespace

struct PngStream::Inflater {
    z_stream z{};
    bool started = false;
    ~Inflater() {
        if (started) inflateEnd(&z);
    }
};

PngStream::PngStream(const std::vector<std::uint8_t>& bytes)
    : bytes_(bytes), at_(kSignatureBytes), inflater_(std::make_unique<Inflater>()) {}

PngStream::~PngStream() = default;

std::optional<PngStream::Chunk> PngStream::nextChunk() {
    if (at_ > bytes_.size() || bytes_.size() - at_ < kChunkFrameBytes) return std::nullopt;
    const std::uint32_t length = Be32(&bytes_[at_]);
    if (length > kLargestChunk || bytes_.size() - at_ - kChunkFrameBytes < length) return std::nullopt;
    Chunk chunk{Be32(&bytes_[at_ + 4]), at_ + 8, length};
    at_ += kChunkFrameBytes + length;
    return chunk;
}

std::optional<PngFormat> PngStream::readFormat() {
    PngFormat f;
    const std::optional<Chunk> header = nextChunk();
    if (!header || header->type != kHeader || !ReadHeader(&bytes_[header->data], header->length, f)) return std::nullopt;
    for (std::optional<Chunk> c = nextChunk(); c; c = nextChunk()) {
        const std::uint8_t* data = bytes_.data() + c->data;
        if (c->type == kData) {
            if (f.colour == PngColour::Palette && f.palette.empty()) return std::nullopt;
            if (inflateInit(&inflater_->z) != Z_OK) return std::nullopt;
            inflater_->started = true;
            inflater_->z.next_in = const_cast<Bytef*>(data);
            inflater_->z.avail_in = static_cast<uInt>(c->length);
            return f;
        }
        const bool known = c->type == kPalette || c->type == kTransparency;
        if (c->type == kPalette && !ReadPalette(data, c->length, f)) return std::nullopt;
        if (c->type == kTransparency && !ReadTransparency(data, c->length, f)) return std::nullopt;
        if (!known && !((c->type >> 24) & kAncillaryBit)) return std::nullopt;  // a critical chunk not understood, or the end
    }
    return std::nullopt;
}

// Image data may be split over several chunks with others between them.
bool PngStream::feedNextDataChunk() {
    for (std::optional<Chunk> c = nextChunk(); c; c = nextChunk()) {
        if (c->type == kEnd) return false;
        if (c->type != kData || c->length == 0) continue;
        inflater_->z.next_in = const_cast<Bytef*>(bytes_.data() + c->data);
        inflater_->z.avail_in = static_cast<uInt>(c->length);
        return true;
    }
    return false;
}

// The checksum at the very end of the data is checked by zlib when the last bytes come out; a
// wrong one is passed over, as the decoder always did, since the bytes are already there.
bool PngStream::inflateInto(std::uint8_t* out, std::size_t count) {
    z_stream& z = inflater_->z;
    if (!inflater_->started || count > std::numeric_limits<uInt>::max()) return false;
    z.next_out = out;
    z.avail_out = static_cast<uInt>(count);
    while (z.avail_out > 0) {
        if (z.avail_in == 0 && !feedNextDataChunk()) return false;
        const int result = inflate(&z, Z_NO_FLUSH);
        if (z.avail_out == 0) return true;
        if (result != Z_OK) return false;  // the end of the data, or broken data
    }
    return true;
}

}  // namespace mipro
