// The off-screen picture of a thumbnail box picIMGCHK: what the box shows, kept in a DIB so it
// persists, can be painted on WM_PAINT and copied from strip by strip.
#pragma once

#include <windows.h>

#include <memory>

#include "base/picture.h"

namespace mipro::win32 {

class ThumbnailCanvas {
public:
    // A canvas of the given size, filled with the box's background; null when the system could
    // not make its bitmap.
    static std::unique_ptr<ThumbnailCanvas> Create(int width, int height);
    ~ThumbnailCanvas();
    ThumbnailCanvas(const ThumbnailCanvas&) = delete;
    ThumbnailCanvas& operator=(const ThumbnailCanvas&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }

    // Fills the whole canvas with the box's background colour.
    void clear();
    // The top-left w x h pixels of `picture` scaled to dw x dh at the canvas's corner.
    void paintPicture(const Picture& picture, int w, int h, int dw, int dh);
    // Copies the strip (0, row) of `width` x 1 pixels of `from` to the same place here.
    void copyRow(const ThumbnailCanvas& from, int row, int width);
    void copyAll(const ThumbnailCanvas& from);
    void drawTo(HDC target) const;
    // The colour at (x, y), red in the low byte.
    ColourValue pixel(int x, int y) const;

private:
    ThumbnailCanvas(int width, int height, HDC dc, HBITMAP bitmap);

    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previousBitmap_;
};

}  // namespace mipro::win32
