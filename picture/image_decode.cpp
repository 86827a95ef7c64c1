#include "picture/image_decode.h"

#include <algorithm>
#include <memory>

#include <stb_image.h>

#include "picture/file_checks.h"

namespace mipro {

namespace {

constexpr int kChannels = 4;  // red, green, blue, alpha
constexpr int kOpaque = 255;
constexpr int kWhite = 255;

struct StbFree {
    void operator()(stbi_uc* p) const { stbi_image_free(p); }
};

bool AcceptedSize(int width, int height) {
    if (width < 1 || height < 1) return false;
    if (width > kMaxPictureSide || height > kMaxPictureSide) return false;
    return static_cast<std::int64_t>(width) * height <= kMaxPicturePixels;
}

// One colour component drawn with coverage alpha over the white canvas, rounded.
int OverWhite(int component, int alpha) {
    return (component * alpha + kWhite * (kOpaque - alpha) + kOpaque / 2) / kOpaque;
}

ColourValue CanvasColour(const stbi_uc* rgba) {
    const int a = rgba[3];
    const int r = OverWhite(rgba[0], a);
    const int g = OverWhite(rgba[1], a);
    const int b = OverWhite(rgba[2], a);
    return r | (g << 8) | (b << 16);
}

}  // namespace

std::optional<DecodedPicture> DecodePicture(const std::vector<std::uint8_t>& bytes, int keepWidth, int keepHeight) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT32_MAX)) return std::nullopt;
    const int length = static_cast<int>(bytes.size());

    // The checks come first: reading the header alone already builds a JPEG's Huffman tables.
    if (!PassesFileChecks(bytes)) return std::nullopt;
    int width = 0, height = 0, channels = 0;
    if (!stbi_info_from_memory(bytes.data(), length, &width, &height, &channels)) return std::nullopt;
    if (!AcceptedSize(width, height) || !HoldsDataForSize(bytes, width, height)) return std::nullopt;

    std::unique_ptr<stbi_uc, StbFree> rgba(
        stbi_load_from_memory(bytes.data(), length, &width, &height, &channels, kChannels));
    if (!rgba || !AcceptedSize(width, height)) return std::nullopt;

    DecodedPicture out;
    out.width = width;
    out.height = height;
    out.canvas = Picture(std::min(width, keepWidth), std::min(height, keepHeight));
    for (int y = 0; y < out.canvas.height(); ++y) {
        const stbi_uc* row = rgba.get() + static_cast<std::size_t>(y) * width * kChannels;
        for (int x = 0; x < out.canvas.width(); ++x) out.canvas.setPoint(x, y, CanvasColour(row + x * kChannels));
    }
    return out;
}

}  // namespace mipro
