// The widget behind frmMAIN's pictures: the stretched step illustrations, the speaker icons, the
// separator lines and the thumbnail boxes. Each shows what it holds, scaled to its size; a
// thumbnail box holds a canvas of its own inside a sunken border.
#pragma once

#include <gtk/gtk.h>

#include <cstdint>
#include <span>

#include "base/picture.h"

namespace mipro::linux_x11 {

class PictureArea {
public:
    PictureArea(int width, int height);
    ~PictureArea();
    PictureArea(const PictureArea&) = delete;
    PictureArea& operator=(const PictureArea&) = delete;

    GtkWidget* widget() const { return area_; }

    // What the area shows (the last call wins): an image stretched to the area, a plain colour, or
    // a canvas of the area's size less the border, which starts in the background colour.
    void showImage(GdkPixbuf* image);
    void showSolid(const GdkRGBA& colour);
    void makeCanvas();

    // The canvas: fill, paint a picture's top-left w x h scaled to dw x dh at the corner, copy.
    void clearCanvas();
    void paintCanvas(const Picture& picture, int w, int h, int dw, int dh);
    void copyCanvasRow(const PictureArea& from, int row, int width);
    void copyCanvas(const PictureArea& from);

private:
    static gboolean Draw(GtkWidget* widget, cairo_t* cr, gpointer self);
    void draw(cairo_t* cr) const;

    GtkWidget* area_;
    int width_, height_;
    GdkPixbuf* image_ = nullptr;
    GdkRGBA solid_{};
    bool hasSolid_ = false;
    cairo_surface_t* canvas_ = nullptr;
};

// A picture as a cairo surface (red in the colour value's low byte).
cairo_surface_t* SurfaceOf(const Picture& picture);

// An image from the bytes of a picture file the loader knows (bitmap, icon); null when it cannot.
GdkPixbuf* PixbufFrom(std::span<const std::uint8_t> bytes, int width = -1, int height = -1);

}  // namespace mipro::linux_x11
