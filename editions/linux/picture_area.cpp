#include "editions/linux/picture_area.h"

#include <algorithm>

#include "base/colour.h"
#include "editions/linux/gtk_scale.h"

namespace mipro::linux_x11 {

namespace {

// A thumbnail box's sunken border, as wide as a Windows client edge.
constexpr int kBorderPx = 2;
constexpr double kShadow = 0.50;
constexpr double kHighlight = 1.0;

void DrawSunkenBorder(cairo_t* cr, int width, int height) {
    cairo_set_line_width(cr, 1);
    for (int i = 0; i < kBorderPx; ++i) {
        const double a = i + 0.5, right = width - i - 0.5, bottom = height - i - 0.5;
        cairo_set_source_rgb(cr, kShadow, kShadow, kShadow);
        cairo_move_to(cr, a, bottom);
        cairo_line_to(cr, a, a);
        cairo_line_to(cr, right, a);
        cairo_stroke(cr);
        cairo_set_source_rgb(cr, kHighlight, kHighlight, kHighlight);
        cairo_move_to(cr, right, a);
        cairo_line_to(cr, right, bottom);
        cairo_line_to(cr, a, bottom);
        cairo_stroke(cr);
    }
}

}  // namespace

cairo_surface_t* SurfaceOf(const Picture& picture) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width(), picture.height());
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < picture.width(); ++x) row[x] = OpaqueArgbPixel(picture.point(x, y));
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

GdkPixbuf* PixbufFrom(std::span<const std::uint8_t> bytes, int width, int height) {
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new();
    if (width > 0 && height > 0) gdk_pixbuf_loader_set_size(loader, width, height);
    const bool read = gdk_pixbuf_loader_write(loader, bytes.data(), bytes.size(), nullptr) &&
                      gdk_pixbuf_loader_close(loader, nullptr);
    GdkPixbuf* image = read ? gdk_pixbuf_loader_get_pixbuf(loader) : nullptr;
    if (image) g_object_ref(image);
    if (!read) gdk_pixbuf_loader_close(loader, nullptr);
    g_object_unref(loader);
    return image;
}

PictureArea::PictureArea(int width, int height) : area_(gtk_drawing_area_new()), width_(width), height_(height) {
    g_object_ref_sink(area_);
    gtk_widget_set_size_request(area_, ToLogical(width), ToLogical(height));
    g_signal_connect(area_, "draw", G_CALLBACK(Draw), this);
}

PictureArea::~PictureArea() {
    if (image_) g_object_unref(image_);
    if (canvas_) cairo_surface_destroy(canvas_);
    g_object_unref(area_);
}

void PictureArea::showImage(GdkPixbuf* image) {
    if (image_) g_object_unref(image_);
    image_ = image;
    gtk_widget_queue_draw(area_);
}

void PictureArea::showSolid(const GdkRGBA& colour) {
    solid_ = colour;
    hasSolid_ = true;
    gtk_widget_queue_draw(area_);
}

// Transparent until painted, so the empty box shows the window's own face.
void PictureArea::makeCanvas() {
    const int w = std::max(width_ - 2 * kBorderPx, 1), h = std::max(height_ - 2 * kBorderPx, 1);
    canvas_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    clearCanvas();
}

void PictureArea::clearCanvas() {
    if (!canvas_) return;
    cairo_t* cr = cairo_create(canvas_);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_destroy(cr);
    gtk_widget_queue_draw(area_);
}

void PictureArea::paintCanvas(const Picture& picture, int w, int h, int dw, int dh) {
    if (!canvas_ || w <= 0 || h <= 0 || dw <= 0 || dh <= 0) return;
    cairo_surface_t* source = SurfaceOf(picture);
    cairo_t* cr = cairo_create(canvas_);
    cairo_rectangle(cr, 0, 0, dw, dh);
    cairo_clip(cr);
    cairo_scale(cr, static_cast<double>(dw) / w, static_cast<double>(dh) / h);
    cairo_set_source_surface(cr, source, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(source);
    gtk_widget_queue_draw(area_);
}

void PictureArea::copyCanvasRow(const PictureArea& from, int row, int width) {
    if (!canvas_ || !from.canvas_) return;
    cairo_t* cr = cairo_create(canvas_);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_rectangle(cr, 0, row, width, 1);
    cairo_clip(cr);
    cairo_set_source_surface(cr, from.canvas_, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    gtk_widget_queue_draw(area_);
}

void PictureArea::copyCanvas(const PictureArea& from) {
    if (!canvas_ || !from.canvas_) return;
    cairo_t* cr = cairo_create(canvas_);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, from.canvas_, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    gtk_widget_queue_draw(area_);
}

gboolean PictureArea::Draw(GtkWidget*, cairo_t* cr, gpointer self) {
    static_cast<PictureArea*>(self)->draw(cr);
    return TRUE;
}

// Sized and drawn in device pixels: a thumbnail shows each of its pixels once, at any window scale.
void PictureArea::draw(cairo_t* cr) const {
    DrawInDevicePixels(cr);
    if (canvas_) {
        DrawSunkenBorder(cr, width_, height_);
        cairo_set_source_surface(cr, canvas_, kBorderPx, kBorderPx);
        cairo_paint(cr);
    } else if (image_) {
        const int w = gdk_pixbuf_get_width(image_), h = gdk_pixbuf_get_height(image_);
        cairo_scale(cr, static_cast<double>(width_) / w, static_cast<double>(height_) / h);
        gdk_cairo_set_source_pixbuf(cr, image_, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
    } else if (hasSolid_) {
        gdk_cairo_set_source_rgba(cr, &solid_);
        cairo_paint(cr);
    }
}

}  // namespace mipro::linux_x11
