#include "stb_reference.h"

#include <algorithm>
#include <memory>

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_GIF
#define STBI_NO_STDIO
#include <stb_image.h>

namespace mipro::testing {

std::optional<DecodedPicture> ReferenceDecode(const std::vector<std::uint8_t>& bytes, int keepWidth, int keepHeight) {
    constexpr int kChannels = 4;
    int width = 0, height = 0, channels = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> rgba(
        stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, kChannels),
        stbi_image_free);
    if (!rgba) return std::nullopt;
    DecodedPicture out;
    out.width = width;
    out.height = height;
    out.canvas = Picture(std::min(width, keepWidth), std::min(height, keepHeight));
    for (int y = 0; y < out.canvas.height(); ++y) {
        for (int x = 0; x < out.canvas.width(); ++x) {
            const stbi_uc* p = rgba.get() + (static_cast<std::size_t>(y) * width + x) * kChannels;
            out.canvas.setPoint(x, y, ColourOnWhite(p[0], p[1], p[2], p[3]));
        }
    }
    return out;
}

}  // namespace mipro::testing
