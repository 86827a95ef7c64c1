#include "board/bmp_file.h"

#include <cstdlib>

#include "board/whole_file.h"

namespace mipro::board {
namespace {

constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;
constexpr int kPixelOffset = kFileHeaderBytes + kInfoHeaderBytes;
constexpr int kBitsPerPixel = 24;
constexpr int kPixelsPerMetre = 3780;  // 96 dots per inch
constexpr int kMaxSide = 1 << 15;

int RowBytes(int width) { return (width * 3 + 3) / 4 * 4; }

void Put16(std::vector<std::uint8_t>& out, int v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>((u >> shift) & 0xFF));
}

std::uint32_t Get16(const std::vector<std::uint8_t>& in, std::size_t at) {
    return static_cast<std::uint32_t>(in[at] | (in[at + 1] << 8));
}

std::int32_t Get32(const std::vector<std::uint8_t>& in, std::size_t at) {
    return static_cast<std::int32_t>(Get16(in, at) | (Get16(in, at + 2) << 16));
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const Raster& picture) {
    const int rowBytes = RowBytes(picture.width());
    const int imageBytes = rowBytes * picture.height();
    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(kPixelOffset) + imageBytes);

    out.push_back('B');
    out.push_back('M');
    Put32(out, kPixelOffset + imageBytes);
    Put32(out, 0);
    Put32(out, kPixelOffset);

    Put32(out, kInfoHeaderBytes);
    Put32(out, picture.width());
    Put32(out, picture.height());  // positive: the bottom row comes first
    Put16(out, 1);
    Put16(out, kBitsPerPixel);
    Put32(out, 0);  // no compression
    Put32(out, imageBytes);
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, 0);
    Put32(out, 0);

    for (int y = picture.height() - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Colour c = picture.at(x, y);
            out.push_back(static_cast<std::uint8_t>(BlueOf(c)));
            out.push_back(static_cast<std::uint8_t>(GreenOf(c)));
            out.push_back(static_cast<std::uint8_t>(RedOf(c)));
        }
        for (int pad = picture.width() * 3; pad < rowBytes; ++pad) out.push_back(0);
    }
    return out;
}

std::optional<Raster> DecodeBmp24(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < static_cast<std::size_t>(kPixelOffset) || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    const std::int32_t offset = Get32(bytes, 10);
    const std::int32_t width = Get32(bytes, 18);
    const std::int32_t signedHeight = Get32(bytes, 22);
    const bool uncompressed24 = Get16(bytes, 28) == kBitsPerPixel && Get32(bytes, 30) == 0;
    const std::int32_t height = std::abs(signedHeight);
    if (!uncompressed24 || width <= 0 || height == 0 || width > kMaxSide || height > kMaxSide || offset < kPixelOffset)
        return std::nullopt;

    const std::size_t rowBytes = static_cast<std::size_t>(RowBytes(width));
    if (bytes.size() < static_cast<std::size_t>(offset) + rowBytes * height) return std::nullopt;

    Raster picture(width, height, kWhite);
    for (int row = 0; row < height; ++row) {
        const int y = signedHeight > 0 ? height - 1 - row : row;
        const std::size_t start = static_cast<std::size_t>(offset) + rowBytes * row;
        for (int x = 0; x < width; ++x) {
            const std::size_t at = start + static_cast<std::size_t>(x) * 3;
            picture.set(x, y, Rgb(bytes[at + 2], bytes[at + 1], bytes[at]));
        }
    }
    return picture;
}

bool SaveBmp24(const std::filesystem::path& path, const Raster& picture) {
    const std::vector<std::uint8_t> bytes = EncodeBmp24(picture);
    return WriteWholeFile(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

std::optional<Raster> LoadBmp24(const std::filesystem::path& path) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) return std::nullopt;
    return DecodeBmp24({bytes->begin(), bytes->end()});
}

}  // namespace mipro::board
