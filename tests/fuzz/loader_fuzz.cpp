// libFuzzer target: any bytes given to the picture decoder either decode into a canvas of at most
// 600 x 600 pixels or are refused; nothing crashes, hangs or allocates without bound.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "picture/image_decode.h"

namespace {
constexpr int kKeep = 600;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    const auto decoded = mipro::DecodePicture(bytes, kKeep, kKeep);
    if (decoded) {
        const mipro::Picture& canvas = decoded->canvas;
        const bool sane = canvas.width() >= 1 && canvas.width() <= kKeep && canvas.height() >= 1 &&
                          canvas.height() <= kKeep && canvas.width() <= decoded->width &&
                          canvas.height() <= decoded->height;
        if (!sane) std::abort();
        // Every pixel of the canvas is read, as the extraction reads it.
        volatile std::uint32_t sum = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x) sum = sum + static_cast<std::uint32_t>(canvas.point(x, y));
    }
    return 0;
}
