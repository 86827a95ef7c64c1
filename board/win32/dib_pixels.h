// A board picture as the 32-bit pixels of a top-down device-independent bitmap.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "board/raster.h"

namespace mipro::board::win32 {

struct DibPixels {
    BITMAPINFO info{};
    std::vector<std::uint32_t> pixels;
};

DibPixels ToDib(const Raster& picture);
// Draws the whole picture with its top-left pixel at the device context's (0, 0).
void PaintDib(HDC dc, const DibPixels& dib);

}  // namespace mipro::board::win32
