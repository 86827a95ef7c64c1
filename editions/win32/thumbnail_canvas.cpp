#include "editions/win32/thumbnail_canvas.h"

#include <algorithm>
#include <vector>

#include "base/colour.h"

namespace mipro::win32 {

namespace {

BITMAPINFO TopDown32BitInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

std::unique_ptr<ThumbnailCanvas> ThumbnailCanvas::Create(int width, int height) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    const BITMAPINFO info = TopDown32BitInfo(width, height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (!dc || !bitmap || !bits) {
        if (bitmap) DeleteObject(bitmap);
        if (dc) DeleteDC(dc);
        return nullptr;
    }
    return std::unique_ptr<ThumbnailCanvas>(new ThumbnailCanvas(width, height, dc, bitmap));
}

ThumbnailCanvas::ThumbnailCanvas(int width, int height, HDC dc, HBITMAP bitmap)
    : width_(width), height_(height), dc_(dc), bitmap_(bitmap), previousBitmap_(SelectObject(dc, bitmap)) {
    clear();
}

ThumbnailCanvas::~ThumbnailCanvas() {
    SelectObject(dc_, previousBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void ThumbnailCanvas::clear() {
    const RECT all{0, 0, width_, height_};
    FillRect(dc_, &all, GetSysColorBrush(COLOR_BTNFACE));
    GdiFlush();
}

void ThumbnailCanvas::paintPicture(const Picture& picture, int w, int h, int dw, int dh) {
    w = std::min(w, picture.width());
    h = std::min(h, picture.height());
    if (w <= 0 || h <= 0 || dw <= 0 || dh <= 0) return;

    std::vector<std::uint32_t> source(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) source[static_cast<std::size_t>(y) * w + x] = XrgbPixel(picture.point(x, y));

    const BITMAPINFO info = TopDown32BitInfo(w, h);
    SetStretchBltMode(dc_, HALFTONE);
    SetBrushOrgEx(dc_, 0, 0, nullptr);
    StretchDIBits(dc_, 0, 0, dw, dh, 0, 0, w, h, source.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    GdiFlush();
}

void ThumbnailCanvas::copyRow(const ThumbnailCanvas& from, int row, int width) {
    BitBlt(dc_, 0, row, width, 1, from.dc_, 0, row, SRCCOPY);
    GdiFlush();
}

void ThumbnailCanvas::copyAll(const ThumbnailCanvas& from) {
    BitBlt(dc_, 0, 0, width_, height_, from.dc_, 0, 0, SRCCOPY);
    GdiFlush();
}

void ThumbnailCanvas::drawTo(HDC target) const { BitBlt(target, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY); }

ColourValue ThumbnailCanvas::pixel(int x, int y) const { return static_cast<ColourValue>(GetPixel(dc_, x, y)); }

}  // namespace mipro::win32
