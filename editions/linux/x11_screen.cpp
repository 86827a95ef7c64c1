#include "editions/linux/x11_screen.h"

// The core's headers come before Xlib.h, whose True, False and None macros they must not see.
#include "base/twips.h"
#include "editions/linux/x11_window_tree.h"
#include "editions/linux/xft_dpi.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace mipro::linux_x11 {

namespace {

constexpr ColourValue kBlack = 0x000000;
// The longest resource text read from the root window, in 32-bit units.
constexpr long kLongestResources = 1L << 20;

// Every other pixel, in a pattern fixed to the screen: (x + y) even.
constexpr int kCheckerSize = 2;
constexpr char kCheckerBits[] = {0x01, 0x02};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

ScreenSize SizeOf(Display* display, Window root) {
    Window ignoredRoot = None;
    int x = 0, y = 0;
    unsigned width = 0, height = 0, border = 0, depth = 0;
    XGetGeometry(display, root, &ignoredRoot, &x, &y, &width, &height, &border, &depth);
    return {static_cast<int>(width), static_cast<int>(height)};
}

// The root window's RESOURCE_MANAGER text, as `xrdb` and the desktop's settings daemon set it.
std::string ResourceText(Display* display, Window root) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0, remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, root, XA_RESOURCE_MANAGER, 0, kLongestResources, False, XA_STRING,
                                          &type, &format, &items, &remaining, &data);
    std::string text;
    const bool read = status == Success && data && type == XA_STRING && format == 8;
    if (read) text.assign(reinterpret_cast<char*>(data), items);
    if (data) XFree(data);
    return text;
}

PixelMasks MasksOf(const Visual* visual) { return {visual->red_mask, visual->green_mask, visual->blue_mask}; }

// The four sides of the rectangle, no pixel twice, so an inverting fill changes each pixel once.
std::vector<XRectangle> Outline(ScreenRect r) {
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return {};
    const auto at = [](int v) { return static_cast<short>(v); };
    const auto size = [](int v) { return static_cast<unsigned short>(v); };
    std::vector<XRectangle> sides = {{at(r.left), at(r.top), size(width), 1}};
    if (height > 1) sides.push_back({at(r.left), at(r.bottom - 1), size(width), 1});
    if (height > 2) sides.push_back({at(r.left), at(r.top + 1), 1, size(height - 2)});
    if (height > 2 && width > 1) sides.push_back({at(r.right - 1), at(r.top + 1), 1, size(height - 2)});
    return sides;
}

struct ImageDeleter {
    void operator()(XImage* image) const { XDestroyImage(image); }
};

}  // namespace

X11Screen::X11Screen(X11Connection& x)
    : x_(x), masks_(MasksOf(DefaultVisual(x.display(), x.screen()))) {}

X11Screen::~X11Screen() {
    for (const auto& [dc, gc] : contexts_) XFreeGC(x_.display(), gc);
}

double X11Screen::widthTwips() { return SizeOf(x_.display(), x_.root()).width * twipsPerPixelX(); }
double X11Screen::heightTwips() { return SizeOf(x_.display(), x_.root()).height * twipsPerPixelY(); }
double X11Screen::twipsPerPixelX() { return TwipsPerPixelAt(NearestInt(dotsPerInch())); }
double X11Screen::twipsPerPixelY() { return TwipsPerPixelAt(NearestInt(dotsPerInch())); }
double X11Screen::displayScale() { return dotsPerInch() / kStandardDotsPerInch; }

double X11Screen::dotsPerInch() {
    const std::optional<double> dpi = XftDpi(ResourceText(x_.display(), x_.root()));
    return dpi && NearestInt(*dpi) > 0 ? *dpi : kStandardDotsPerInch;
}

WindowHandle X11Screen::windowFromPoint(ScreenPoint p) {
    Display* display = x_.display();
    const Window topLevel = TopLevelAt(display, x_.root(), p.x, p.y);
    if (topLevel == None) return static_cast<WindowHandle>(x_.root());
    const Window client = ClientWindowIn(display, topLevel);
    return static_cast<WindowHandle>(client != None ? client : topLevel);
}

bool X11Screen::isWindow(WindowHandle h) {
    XWindowAttributes attributes{};
    return h != None && XGetWindowAttributes(x_.display(), static_cast<Window>(h), &attributes) != 0;
}

std::string X11Screen::className(WindowHandle h) {
    const auto window = static_cast<Window>(h);
    if (window == x_.root() || IsDesktopWindow(x_.display(), window)) return kX11DesktopClass;
    return ResourceClass(x_.display(), window);
}

WindowHandle X11Screen::desktopWindow() { return static_cast<WindowHandle>(x_.root()); }

DeviceContext X11Screen::getDC(WindowHandle) {
    Display* display = x_.display();
    const Pixmap checker = XCreateBitmapFromData(display, x_.root(), kCheckerBits, kCheckerSize, kCheckerSize);
    XGCValues values{};
    values.subwindow_mode = IncludeInferiors;
    values.graphics_exposures = False;
    values.stipple = checker;
    values.ts_x_origin = 0;
    values.ts_y_origin = 0;
    const GC gc = XCreateGC(display, x_.root(),
                            GCSubwindowMode | GCGraphicsExposures | GCStipple | GCTileStipXOrigin | GCTileStipYOrigin,
                            &values);
    // The context keeps the pattern for itself.
    XFreePixmap(display, checker);
    const DeviceContext dc = next_context_++;
    contexts_[dc] = gc;
    return dc;
}

void X11Screen::releaseDC(WindowHandle, DeviceContext dc) {
    const auto found = contexts_.find(dc);
    if (found == contexts_.end()) return;
    XFreeGC(x_.display(), found->second);
    contexts_.erase(found);
}

void X11Screen::drawFocusRect(DeviceContext dc, ScreenRect r) {
    const GC gc = graphicsContext(dc);
    std::vector<XRectangle> sides = Outline(r);
    if (!gc || sides.empty()) return;
    XGCValues values{};
    values.function = GXxor;
    values.foreground = masks_.red | masks_.green | masks_.blue;
    values.fill_style = FillStippled;
    XChangeGC(x_.display(), gc, GCFunction | GCForeground | GCFillStyle, &values);
    XFillRectangles(x_.display(), x_.root(), gc, sides.data(), static_cast<int>(sides.size()));
    XFlush(x_.display());
}

void X11Screen::setPixel(DeviceContext dc, int x, int y, ColourValue colour) {
    const GC gc = graphicsContext(dc);
    if (!gc) return;
    XGCValues values{};
    values.function = GXcopy;
    values.foreground = PixelOf(colour, masks_);
    values.fill_style = FillSolid;
    XChangeGC(x_.display(), gc, GCFunction | GCForeground | GCFillStyle, &values);
    XDrawPoint(x_.display(), x_.root(), gc, x, y);
    XFlush(x_.display());
}

Picture X11Screen::grab(int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return {};
    const std::optional<Picture> read = readPixels({x, y, x + width, y + height});
    return read ? *read : Picture(width, height, kBlack);
}

std::optional<Picture> X11Screen::readPixels(ScreenRect area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return Picture();
    Picture picture(width, height, kBlack);
    const ScreenSize screen = SizeOf(x_.display(), x_.root());
    const int left = std::max(area.left, 0), top = std::max(area.top, 0);
    const int right = std::min(area.right, screen.width), bottom = std::min(area.bottom, screen.height);
    if (left >= right || top >= bottom) return picture;

    const auto columns = static_cast<unsigned>(right - left), rows = static_cast<unsigned>(bottom - top);
    const std::unique_ptr<XImage, ImageDeleter> image(
        XGetImage(x_.display(), x_.root(), left, top, columns, rows, AllPlanes, ZPixmap));
    if (!image) return std::nullopt;
    for (int row = top; row < bottom; ++row) {
        for (int column = left; column < right; ++column) {
            const unsigned long pixel = XGetPixel(image.get(), column - left, row - top);
            picture.setPoint(column - area.left, row - area.top, ColourOf(pixel, masks_));
        }
    }
    return picture;
}

GC X11Screen::graphicsContext(DeviceContext dc) const {
    const auto found = contexts_.find(dc);
    return found == contexts_.end() ? nullptr : found->second;
}

}  // namespace mipro::linux_x11
