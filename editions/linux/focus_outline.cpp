#include "editions/linux/focus_outline.h"

// The core's headers come before Xlib.h, whose True, False and None macros they must not see.
#include "editions/linux/outline_sides.h"
#include "editions/linux/x11_window_tree.h"

#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <cstdio>

namespace mipro::linux_x11 {

namespace {

// The pattern's tile: two by two pixels, one colour on the diagonal, the other off it.
constexpr unsigned kTileSize = 2;

// A tile that, laid from a window's corner at (left, top), makes the screen's pixels with x + y
// even black and the others white, the pixels an inverting focus rectangle changes.
Pixmap CheckerTile(Display* display, int screen, XWindow root, ScreenRect r) {
    const Pixmap tile = XCreatePixmap(display, root, kTileSize, kTileSize, DefaultDepth(display, screen));
    const GC gc = XCreateGC(display, tile, 0, nullptr);
    const bool cornerEven = (r.left + r.top) % 2 == 0;
    const unsigned long diagonal = cornerEven ? BlackPixel(display, screen) : WhitePixel(display, screen);
    const unsigned long offDiagonal = cornerEven ? WhitePixel(display, screen) : BlackPixel(display, screen);
    XSetForeground(display, gc, offDiagonal);
    XFillRectangle(display, tile, gc, 0, 0, kTileSize, kTileSize);
    XSetForeground(display, gc, diagonal);
    XDrawPoint(display, tile, gc, 0, 0);
    XDrawPoint(display, tile, gc, 1, 1);
    XFreeGC(display, gc);
    return tile;
}

// Override-redirect, so no window manager frames, places or focuses it; the tile as its
// background, which the server paints itself whenever the window shows.
XWindow CreateWindowAt(Display* display, XWindow root, ScreenRect r, Pixmap tile) {
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.background_pixmap = tile;
    const auto width = static_cast<unsigned>(r.right - r.left);
    const auto height = static_cast<unsigned>(r.bottom - r.top);
    return XCreateWindow(display, root, r.left, r.top, width, height, 0, CopyFromParent, InputOutput,
                         CopyFromParent, CWOverrideRedirect | CWBackPixmap, &attributes);
}

// The window shows its one-pixel frame only.
void ShapeToOutline(Display* display, XWindow window, ScreenRect r) {
    std::vector<XRectangle> sides = OutlineSides(r, r.left, r.top);
    XShapeCombineRectangles(display, window, ShapeBounding, 0, 0, sides.data(), static_cast<int>(sides.size()),
                            ShapeSet, Unsorted);
}

// An empty input shape: the pointer and its clicks reach whatever lies below.
void PassInputThrough(Display* display, XWindow window) {
    XShapeCombineRectangles(display, window, ShapeInput, 0, 0, nullptr, 0, ShapeSet, Unsorted);
}

// Errors on the system side's connection are dropped (x11_connection.h): whether the window is
// there answers whether it was made.
bool WindowExists(Display* display, XWindow window) {
    XSync(display, False);
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display, window, &attributes) != 0;
}

XWindow ShowOutline(Display* display, int screen, XWindow root, ScreenRect r) {
    const Pixmap tile = CheckerTile(display, screen, root, r);
    const XWindow window = CreateWindowAt(display, root, r, tile);
    // The window keeps the tile for itself.
    XFreePixmap(display, tile);
    MarkAsOverlay(display, window);
    ShapeToOutline(display, window, r);
    PassInputThrough(display, window);
    XMapRaised(display, window);
    if (WindowExists(display, window)) return window;
    std::fprintf(stderr, "mipro: the window of the focus rectangle could not be made\n");
    return None;
}

}  // namespace

FocusOutlines::FocusOutlines(Display* display, int screen, XWindow root)
    : display_(display), screen_(screen), root_(root) {}

FocusOutlines::~FocusOutlines() { removeAll(); }

void FocusOutlines::toggle(ScreenRect r) {
    const auto at = std::find_if(shown_.begin(), shown_.end(), [&r](const auto& s) { return s.first == r; });
    if (at != shown_.end()) {
        if (at->second != None) XDestroyWindow(display_, at->second);
        XFlush(display_);
        shown_.erase(at);
        return;
    }
    if (r.right <= r.left || r.bottom <= r.top) return;
    // Kept even when the window could not be made, so the next drawing here is the erasing one.
    shown_.emplace_back(r, ShowOutline(display_, screen_, root_, r));
}

void FocusOutlines::removeAll() {
    for (const auto& [r, window] : shown_) {
        if (window != None) XDestroyWindow(display_, window);
    }
    if (!shown_.empty()) XFlush(display_);
    shown_.clear();
}

}  // namespace mipro::linux_x11
