// GTK's window scale (GDK_SCALE, or the desktop's scaling factor: 2 on a desktop at 200 %). GTK
// sizes, places and draws its windows in logical pixels, each WindowScale() device pixels wide,
// while the core, XTest and XGetImage count device pixels. The edition converts here, at its edge:
// every size and place it hands GTK goes through ToLogical, every one GTK reports through ToDevice.
#pragma once

#include <gtk/gtk.h>

namespace mipro::linux_x11 {

// Device pixels to one logical pixel, 1 or more.
int WindowScale();

// The logical pixel nearest to a device pixel count, and back.
int ToLogical(int devicePx);
int ToDevice(int logicalPx);

// Makes one unit of a GTK drawing one device pixel, so a picture drawn with it keeps its pixels.
void DrawInDevicePixels(cairo_t* cr);

// Makes GTK's fonts the design's size in device pixels on a screen of this many twips per pixel:
// the font resolution of a scaled GTK is the screen's dots per inch over its window scale (GTK
// itself takes the Xft.dpi resource and scales it once more).
void MatchFontsToScreen(double twipsPerPixel);

// Puts a top-level window at exactly this device-pixel rectangle, also where the logical grid of a
// scaled GTK cannot reach it (odd places and sizes at scale 2).
void PlaceInDevicePixels(GtkWidget* window, int left, int top, int width, int height);

}  // namespace mipro::linux_x11
