#include "picture/image_decode.h"

#include <algorithm>
#include <memory>

#include <stb_image.h>

#include "picture/bitmap_decode.h"
#include "picture/file_checks.h"
#include "picture/gif_decode.h"
#include "picture/png_decode.h"

namespace mipro {

namespace {

constexpr int kChannels = 4;  // red, green, blue, alpha

struct StbFree {
    void operator()(stbi_uc* p) const { stbi_image_free(p); }
};

ColourValue CanvasColour(const stbi_uc* rgba) { return ColourOnWhite(rgba[0], rgba[1], rgba[2], rgba[3]); }

// A JPEG is decoded whole by stb_image: its memory grows with the size the header claims, which
// the checks before bound by the data the file holds.
std::optional<DecodedPicture> DecodeJpeg(const std::vector<std::uint8_t>& bytes, int keepWidth, int keepHeight) {
    const int length = static_cast<int>(bytes.size());
    int width = 0, height = 0, channels = 0;
    if (!stbi_info_from_memory(bytes.data(), length, &width, &height, &channels)) return std::nullopt;
    if (!AcceptedPictureSize(width, height) || !HoldsDataForSize(bytes, width, height)) return std::nullopt;

    std::unique_ptr<stbi_uc, StbFree> rgba(
        stbi_load_from_memory(bytes.data(), length, &width, &height, &channels, kChannels));
    if (!rgba || !AcceptedPictureSize(width, height)) return std::nullopt;

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

}  // namespace

std::optional<DecodedPicture> DecodePicture(const std::vector<std::uint8_t>& bytes, int keepWidth, int keepHeight) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT32_MAX)) return std::nullopt;
    if (IsBitmapFile(bytes)) return DecodeBitmap(bytes, keepWidth, keepHeight);
    // The checks come first: reading a JPEG's header alone already builds its Huffman tables.
    if (!PassesFileChecks(bytes)) return std::nullopt;
    if (IsPngFile(bytes)) return DecodePng(bytes, keepWidth, keepHeight);
    if (IsGifFile(bytes)) return DecodeGif(bytes, keepWidth, keepHeight);
    return DecodeJpeg(bytes, keepWidth, keepHeight);
}

}  // namespace mipro
