#include "editions/linux/gtk_magnifier_window.h"

#include <pango/pangocairo.h>

#include "base/colour.h"
#include "base/twips.h"
#include "editions/linux/gtk_focus.h"
#include "editions/linux/gtk_scale.h"
#include "editions/linux/magnifier_input.h"
#include "editions/linux/pointer_shape.h"
#include "interfaces/magnifier_window.h"

namespace mipro::linux_x11 {

namespace {

constexpr double kChannelMax = 255.0;
constexpr int kZoom = kViewSizePx / kSourceSizePx;
constexpr const char* kTextFont = "\"ＭＳ Ｐゴシック\", \"MS PGothic\", \"IPAPGothic\", \"Noto Sans CJK JP\" 9";

}  // namespace

GtkMagnifierWindow::GtkMagnifierWindow(MagnifierEvents& events, X11Screen& screen)
    : events_(events),
      screen_(screen),
      window_(gtk_window_new(GTK_WINDOW_TOPLEVEL)),
      view_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kMagnifierSizePx, kMagnifierSizePx)) {
    cairo_t* cr = cairo_create(view_);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_destroy(cr);
    gtk_window_set_title(GTK_WINDOW(window_), "frmMAG");
    gtk_window_set_decorated(GTK_WINDOW(window_), FALSE);
    gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);
    gtk_window_set_keep_above(GTK_WINDOW(window_), TRUE);
    gtk_window_set_skip_taskbar_hint(GTK_WINDOW(window_), TRUE);
    gtk_window_set_skip_pager_hint(GTK_WINDOW(window_), TRUE);
    place();
    gtk_widget_set_app_paintable(window_, TRUE);
    gtk_widget_add_events(window_, GDK_KEY_PRESS_MASK | GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK);
    g_signal_connect(window_, "draw", G_CALLBACK(OnDraw), this);
    g_signal_connect(window_, "key-press-event", G_CALLBACK(OnKey), this);
    g_signal_connect(window_, "button-release-event", G_CALLBACK(OnRelease), this);
    g_signal_connect(window_, "delete-event", G_CALLBACK(OnDelete), this);
    g_signal_connect(window_, "realize", G_CALLBACK(ApplyPointerShape), nullptr);
}

GtkMagnifierWindow::~GtkMagnifierWindow() {
    g_signal_handlers_disconnect_by_data(window_, this);
    gtk_widget_destroy(window_);
    cairo_surface_destroy(view_);
}

std::uint32_t* GtkMagnifierWindow::viewRow(int y) {
    unsigned char* data = cairo_image_surface_get_data(view_);
    return reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(view_));
}

void GtkMagnifierWindow::move(double leftTwips, double topTwips) {
    leftPx_ = WindowPixelAt(leftTwips, static_cast<int>(screen_.twipsPerPixelX()));
    topPx_ = WindowPixelAt(topTwips, static_cast<int>(screen_.twipsPerPixelY()));
    place();
}

// Where the window was put: GTK reports a move only once the window system has carried it out.
double GtkMagnifierWindow::left() { return leftPx_ * screen_.twipsPerPixelX(); }
double GtkMagnifierWindow::top() { return topPx_ * screen_.twipsPerPixelY(); }

void GtkMagnifierWindow::resize(double widthTwips, double heightTwips) {
    widthPx_ = WindowPixelsFor(widthTwips, screen_.twipsPerPixelX());
    heightPx_ = WindowPixelsFor(heightTwips, screen_.twipsPerPixelY());
    place();
}

// Placed again once shown: a scaled GTK reaches the exact device pixels only on a shown window.
void GtkMagnifierWindow::show() {
    gtk_widget_show(window_);
    place();
    focus();
}

void GtkMagnifierWindow::place() { PlaceInDevicePixels(window_, leftPx_, topPx_, widthPx_, heightPx_); }

void GtkMagnifierWindow::focus() {
    gtk_window_present(GTK_WINDOW(window_));
    TakeKeyboardFocus(window_);
}

bool GtkMagnifierWindow::loadGuide(const Picture& guide) {
    guide_ = guide;
    return true;
}

// The square of the screen three times larger: each screen pixel becomes 3 x 3 view pixels.
void GtkMagnifierWindow::stretchFrom(DeviceContext, int srcX, int srcY) {
    const Picture square = screen_.grab(srcX, srcY, kSourceSizePx, kSourceSizePx);
    cairo_surface_flush(view_);
    for (int y = 0; y < kViewSizePx; ++y) {
        std::uint32_t* row = viewRow(y);
        for (int x = 0; x < kViewSizePx; ++x) row[x] = OpaqueArgbPixel(square.point(x / kZoom, y / kZoom));
    }
    cairo_surface_mark_dirty(view_);
    gtk_widget_queue_draw(window_);
}

// Each view pixel ANDed with the guide's: white leaves it, a channel's colour keeps that channel.
void GtkMagnifierWindow::andGuideFrame(int frame) {
    const int frameLeft = kGuideFrameSize * frame;
    if (guide_.width() < frameLeft + kViewSizePx || guide_.height() < kViewSizePx) return;
    cairo_surface_flush(view_);
    for (int y = 0; y < kViewSizePx; ++y) {
        std::uint32_t* row = viewRow(y);
        for (int x = 0; x < kViewSizePx; ++x) row[x] &= OpaqueArgbPixel(guide_.point(frameLeft + x, y));
    }
    cairo_surface_mark_dirty(view_);
    gtk_widget_queue_draw(window_);
}

void GtkMagnifierWindow::textOut(int x, int y, const std::string& text, ColourValue colour) {
    cairo_t* cr = cairo_create(view_);
    cairo_set_source_rgb(cr, RedOf(colour) / kChannelMax, GreenOf(colour) / kChannelMax, BlueOf(colour) / kChannelMax);
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string(kTextFont);
    pango_layout_set_font_description(layout, font);
    pango_layout_set_text(layout, text.c_str(), -1);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout);
    pango_font_description_free(font);
    g_object_unref(layout);
    cairo_destroy(cr);
    gtk_widget_queue_draw(window_);
}

gboolean GtkMagnifierWindow::OnDraw(GtkWidget*, cairo_t* cr, gpointer self) {
    DrawInDevicePixels(cr);
    cairo_set_source_surface(cr, static_cast<GtkMagnifierWindow*>(self)->view_, 0, 0);
    cairo_paint(cr);
    return TRUE;
}

gboolean GtkMagnifierWindow::OnKey(GtkWidget*, GdkEventKey* event, gpointer self) {
    static_cast<GtkMagnifierWindow*>(self)->events_.Form_KeyDown(MagnifierKeyOf(event->keyval));
    return TRUE;
}

gboolean GtkMagnifierWindow::OnRelease(GtkWidget*, GdkEventButton* event, gpointer self) {
    static_cast<GtkMagnifierWindow*>(self)->events_.Form_MouseUp(MouseButtonOf(event->button));
    return TRUE;
}

// Closing only ends positioning; the opener unloads the window.
gboolean GtkMagnifierWindow::OnDelete(GtkWidget*, GdkEvent*, gpointer self) {
    static_cast<GtkMagnifierWindow*>(self)->events_.Form_Unload();
    return TRUE;
}

std::unique_ptr<MagnifierWindow> X11Screen::loadMagnifier(MagnifierEvents& events) {
    return std::make_unique<GtkMagnifierWindow>(events, *this);
}

}  // namespace mipro::linux_x11
