// Not shipped: writes a picture as mipro lists it with fewer colours, for scripts/e2e to compare a
// run's canvas with. The picture is decoded and clipped as step 2 does and reduced by the core's
// own function, as page 3 does before the board is chosen (every colour a board may show).
//
//   reduce_picture PICTURE OUT_BMP COLOURS [--dither]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "board/bmp_file.h"
#include "picture/file_bytes.h"
#include "picture/image_decode.h"
#include "picture/image_load.h"
#include "pixels/colour_reduction.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: reduce_picture PICTURE OUT_BMP COLOURS [--dither]  (COLOURS %d to %d)\n",
                 mipro::kFewestColours, mipro::kMostColours);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) return Usage();
    const std::string dither = argc == 5 ? argv[4] : "";
    const int colours = std::atoi(argv[3]);
    if ((argc == 5 && dither != "--dither") || colours < mipro::kFewestColours || colours > mipro::kMostColours) {
        return Usage();
    }
    const auto bytes = mipro::ReadFileBytes(argv[1], mipro::kMaxPictureFileBytes);
    const auto decoded = bytes ? mipro::DecodePicture(*bytes, mipro::kClipSide, mipro::kClipSide) : std::nullopt;
    if (!decoded) {
        std::fprintf(stderr, "reduce_picture: %s is not a picture mipro opens\n", argv[1]);
        return 1;
    }
    const mipro::Picture reduced =
        mipro::ReduceColours(decoded->canvas, {colours, argc == 5, mipro::AnyColour});
    mipro::board::Raster raster(reduced.width(), reduced.height(), mipro::board::kWhite);
    for (int y = 0; y < reduced.height(); ++y)
        for (int x = 0; x < reduced.width(); ++x) raster.set(x, y, reduced.point(x, y));
    if (!mipro::board::SaveBmp24(argv[2], raster)) {
        std::fprintf(stderr, "reduce_picture: %s could not be written\n", argv[2]);
        return 1;
    }
    return 0;
}
