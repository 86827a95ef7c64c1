#include "picture/decoded_picture.h"

namespace mipro {

namespace {

constexpr int kOpaque = 255;
constexpr int kWhite = 255;

int OverWhite(int component, int alpha) {
    return (component * alpha + kWhite * (kOpaque - alpha) + kOpaque / 2) / kOpaque;
}

}  // namespace

bool AcceptedPictureSize(std::int64_t width, std::int64_t height) {
    if (width < 1 || height < 1) return false;
    if (width > kMaxPictureSide || height > kMaxPictureSide) return false;
    return width * height <= kMaxPicturePixels;
}

ColourValue ColourOnWhite(int red, int green, int blue, int alpha) {
    return OverWhite(red, alpha) | (OverWhite(green, alpha) << 8) | (OverWhite(blue, alpha) << 16);
}

}  // namespace mipro
