#include "editions/linux/x11_screen.h"

// The core's headers come before Xlib.h, whose True, False and None macros they must not see.
#include "base/twips.h"
#include "editions/linux/outline_sides.h"
#include "editions/linux/x11_compositing.h"
#include "editions/linux/x11_window_tree.h"
#include "editions/linux/xft_dpi.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace mipro::linux_x11 {

namespace {

constexpr ColourValue kBlack = 0x000000;
// The longest resource text read from the root window, in 32-bit units.
constexpr long kLongestResources = 1L << 20;
// How long the window windowFromPoint named stands as a window (see X11Screen::named).
constexpr auto kNamedWindowStands = std::chrono::milliseconds(1);

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

struct ImageDeleter {
    void operator()(XImage* image) const { XDestroyImage(image); }
};

}  // namespace

X11Screen::X11Screen(X11Connection& x)
    : x_(x),
      masks_(MasksOf(DefaultVisual(x.display(), x.screen()))),
      input_shapes_(HasInputShapes(x.display())),
      outlines_(x.display(), x.screen(), x.root()) {}

X11Screen::~X11Screen() {
    for (const auto& [dc, context] : contexts_) XFreeGC(x_.display(), context.gc);
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
    const Window topLevel = topLevelAt(p);
    if (topLevel == None) return named(static_cast<WindowHandle>(x_.root()));
    if (const auto known = clients_.find(topLevel); known != clients_.end()) return named(known->second);
    // A window manager marks its client a moment after framing it: a frame without one is asked again.
    const Window client = ClientWindowIn(display, topLevel);
    if (client == None) return named(static_cast<WindowHandle>(topLevel));
    clients_[topLevel] = client;
    return named(static_cast<WindowHandle>(client));
}

// The run's check on every pixel asks whether the window just named under it is still a window
// before it takes its class: the server's answer a moment ago stands for that, and the pixel's
// events wait one round trip less behind a busy server. (A client named through its frame goes
// with the frame: its window manager takes the frame away when the client goes.) Older answers are
// asked again.
WindowHandle X11Screen::named(WindowHandle h) {
    last_named_ = h;
    named_at_ = std::chrono::steady_clock::now();
    return h;
}

// The server's answer where it is a window that shows pixels, else the children looked through.
XWindow X11Screen::topLevelAt(ScreenPoint p) {
    Display* display = x_.display();
    const Window under = TopLevelUnder(display, x_.root(), p.x, p.y);
    if (under != None) {
        auto known = shows_pixels_.find(under);
        if (known == shows_pixels_.end()) known = shows_pixels_.emplace(under, ShowsPixels(display, under)).first;
        if (known->second) return under;
    }
    return TopLevelAt(display, x_.root(), p.x, p.y);
}

bool X11Screen::isWindow(WindowHandle h) {
    if (h != 0 && h == last_named_ && std::chrono::steady_clock::now() - named_at_ < kNamedWindowStands) return true;
    XWindowAttributes attributes{};
    return h != None && XGetWindowAttributes(x_.display(), static_cast<Window>(h), &attributes) != 0;
}

std::string X11Screen::className(WindowHandle h) {
    const auto window = static_cast<Window>(h);
    if (const auto known = classes_.find(window); known != classes_.end()) return known->second;
    if (window == x_.root() || IsDesktopWindow(x_.display(), window)) return kX11DesktopClass;
    std::string cls = ResourceClass(x_.display(), window);
    if (!cls.empty()) classes_[window] = cls;
    return cls;
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
    contexts_[dc] = {gc, outlinesAsWindows()};
    return dc;
}

bool X11Screen::outlinesAsWindows() {
    if (!CompositingManagerRuns(x_.display(), x_.screen())) return false;
    if (!input_shapes_ && !told_no_shapes_) {
        std::fprintf(stderr,
                     "mipro: the X server has no SHAPE extension 1.1: the focus rectangle is drawn on the root "
                     "window, where the compositing manager may paint over it\n");
        told_no_shapes_ = true;
    }
    return input_shapes_;
}

void X11Screen::releaseDC(WindowHandle, DeviceContext dc) {
    const auto found = contexts_.find(dc);
    if (found == contexts_.end()) return;
    XFreeGC(x_.display(), found->second.gc);
    contexts_.erase(found);
    // An outline left on a screen nobody draws on any more would stay for good.
    if (contexts_.empty()) outlines_.removeAll();
}

void X11Screen::removeFocusOutlines() { outlines_.removeAll(); }

void X11Screen::drawFocusRect(DeviceContext dc, ScreenRect r) {
    const Context* c = context(dc);
    if (!c) return;
    if (c->outlineWindows) outlines_.toggle(r);
    else invertOutline(c->gc, r);
}

void X11Screen::invertOutline(GC gc, ScreenRect r) {
    std::vector<XRectangle> sides = OutlineSides(r);
    if (sides.empty()) return;
    XGCValues values{};
    values.function = GXxor;
    values.foreground = masks_.red | masks_.green | masks_.blue;
    values.fill_style = FillStippled;
    XChangeGC(x_.display(), gc, GCFunction | GCForeground | GCFillStyle, &values);
    XFillRectangles(x_.display(), x_.root(), gc, sides.data(), static_cast<int>(sides.size()));
    XFlush(x_.display());
}

void X11Screen::setPixel(DeviceContext dc, int x, int y, ColourValue colour) {
    const Context* c = context(dc);
    if (!c) return;
    const GC gc = c->gc;
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

const X11Screen::Context* X11Screen::context(DeviceContext dc) const {
    const auto found = contexts_.find(dc);
    return found == contexts_.end() ? nullptr : &found->second;
}

}  // namespace mipro::linux_x11
