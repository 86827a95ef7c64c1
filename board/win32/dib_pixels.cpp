#include "board/win32/dib_pixels.h"

#include "base/colour.h"

namespace mipro::board::win32 {

DibPixels ToDib(const Raster& picture) {
    DibPixels dib;
    BITMAPINFOHEADER& h = dib.info.bmiHeader;
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = picture.width();
    h.biHeight = -picture.height();  // negative: the top row comes first
    h.biPlanes = 1;
    h.biBitCount = 32;
    h.biCompression = BI_RGB;
    dib.pixels.reserve(static_cast<std::size_t>(picture.width()) * picture.height());
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) dib.pixels.push_back(XrgbPixel(picture.at(x, y)));
    }
    return dib;
}

void PaintDib(HDC dc, const DibPixels& dib) {
    const LONG width = dib.info.bmiHeader.biWidth;
    const LONG height = -dib.info.bmiHeader.biHeight;
    SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, dib.pixels.data(), &dib.info, DIB_RGB_COLORS);
}

}  // namespace mipro::board::win32
