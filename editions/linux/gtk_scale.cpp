#include "editions/linux/gtk_scale.h"

// The core's header comes before gdkx.h, whose Xlib.h defines True, False and None.
#include "base/nearest_int.h"
#include "base/twips.h"

#include <gdk/gdkx.h>
#include <X11/Xutil.h>

#include <algorithm>

namespace mipro::linux_x11 {

int WindowScale() {
    GdkWindow* root = gdk_get_default_root_window();
    return root ? std::max(gdk_window_get_scale_factor(root), 1) : 1;
}

int ToLogical(int devicePx) { return NearestInt(static_cast<double>(devicePx) / WindowScale()); }
int ToDevice(int logicalPx) { return logicalPx * WindowScale(); }

void DrawInDevicePixels(cairo_t* cr) {
    const double unit = 1.0 / WindowScale();
    cairo_scale(cr, unit, unit);
}

void MatchFontsToScreen(double twipsPerPixel) {
    // GTK counts its font resolution in 1024ths of a dot per inch.
    constexpr double kXftDpiUnit = 1024;
    const double dotsPerInch = kTwipsPerInch / twipsPerPixel / WindowScale();
    g_object_set(gtk_settings_get_default(), "gtk-xft-dpi", NearestInt(dotsPerInch * kXftDpiUnit), nullptr);
}

namespace {

// A scaled GTK hints its windows' sizes to the window manager in steps of its scale; the window
// is hinted its exact device size instead, so a window manager lets it have it.
void HintExactSize(Display* display, Window window, int width, int height) {
    XSizeHints hints{};
    long supplied = 0;
    XGetWMNormalHints(display, window, &hints, &supplied);
    hints.flags = (hints.flags & ~PResizeInc) | PMinSize | PMaxSize;
    hints.min_width = hints.max_width = width;
    hints.min_height = hints.max_height = height;
    XSetWMNormalHints(display, window, &hints);
}

}  // namespace

// At scale 1 GTK places the window itself. Scaled, GTK is told the logical rectangle inside the
// device one, and once the window is shown its X window is configured in device pixels, which GTK
// takes as a move by the window system and keeps.
void PlaceInDevicePixels(GtkWidget* window, int left, int top, int width, int height) {
    const int scale = WindowScale();
    GdkWindow* gdkWindow = gtk_widget_get_window(window);
    const bool shown = gdkWindow && gtk_widget_get_mapped(window) && GDK_IS_X11_WINDOW(gdkWindow);
    if (scale > 1 && shown) {
        Display* display = GDK_WINDOW_XDISPLAY(gdkWindow);
        const Window xWindow = GDK_WINDOW_XID(gdkWindow);
        HintExactSize(display, xWindow, width, height);
        XMoveResizeWindow(display, xWindow, left, top, static_cast<unsigned>(width), static_cast<unsigned>(height));
        return;
    }
    gtk_widget_set_size_request(window, width / scale, height / scale);
    gtk_window_resize(GTK_WINDOW(window), width / scale, height / scale);
    gtk_window_move(GTK_WINDOW(window), left / scale, top / scale);
}

}  // namespace mipro::linux_x11
