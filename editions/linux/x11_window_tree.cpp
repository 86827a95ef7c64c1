#include "editions/linux/x11_window_tree.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <memory>
#include <span>

namespace mipro::linux_x11 {

namespace {

// The longest _NET_WM_WINDOW_TYPE read, in atoms; the property lists a few.
constexpr long kMostWindowTypes = 32;
// The property that marks the program's overlays; its value is the window itself.
constexpr const char* kOverlayMarker = "_MIPRO_OVERLAY";

struct XFreeDeleter {
    void operator()(void* data) const {
        if (data) XFree(data);
    }
};

// The children of a window, bottom-most first; empty when the window is gone.
class Children {
public:
    Children(Display* display, Window window) {
        Window root = None, parent = None;
        Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display, window, &root, &parent, &children, &count)) return;
        windows_.reset(children);
        count_ = count;
    }
    std::span<const Window> all() const { return {windows_.get(), count_}; }

private:
    std::unique_ptr<Window, XFreeDeleter> windows_;
    std::size_t count_ = 0;
};

bool Holds(const XWindowAttributes& a, int x, int y) {
    const int outerWidth = a.width + 2 * a.border_width;
    const int outerHeight = a.height + 2 * a.border_width;
    return x >= a.x && x < a.x + outerWidth && y >= a.y && y < a.y + outerHeight;
}

bool HasProperty(Display* display, Window window, Atom property) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0, remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, property, 0, 0, False, AnyPropertyType, &type, &format,
                                          &items, &remaining, &data);
    const std::unique_ptr<unsigned char, XFreeDeleter> owned(data);
    return status == Success && type != None;
}

Window DescendantWithWmState(Display* display, Window window, Atom wmState) {
    const Children children(display, window);
    for (Window child : children.all()) {
        if (HasProperty(display, child, wmState)) return child;
    }
    for (Window child : children.all()) {
        if (const Window found = DescendantWithWmState(display, child, wmState)) return found;
    }
    return None;
}

// Viewable, able to show pixels, holding the point, and not an overlay. A window that has gone
// since it was named answers nothing and does not show.
bool ShowsAt(Display* display, Window window, int x, int y) {
    XWindowAttributes a{};
    if (!XGetWindowAttributes(display, window, &a)) return false;
    if (a.map_state != IsViewable || a.c_class != InputOutput || !Holds(a, x, y)) return false;
    return !HasProperty(display, window, XInternAtom(display, kOverlayMarker, False));
}

}  // namespace

Window TopLevelAt(Display* display, Window root, int x, int y) {
    const Children children(display, root);
    const std::span<const Window> bottomUp = children.all();
    for (auto it = bottomUp.rbegin(); it != bottomUp.rend(); ++it)
        if (ShowsAt(display, *it, x, y)) return *it;
    return None;
}

Window TopLevelUnder(Display* display, Window root, int x, int y) {
    int childX = 0, childY = 0;
    Window child = None;
    if (!XTranslateCoordinates(display, root, root, x, y, &childX, &childY, &child)) return None;
    return child;
}

bool ShowsPixels(Display* display, Window window) {
    XWindowAttributes a{};
    return XGetWindowAttributes(display, window, &a) && a.c_class == InputOutput;
}

void MarkAsOverlay(Display* display, Window window) {
    const Atom marker = XInternAtom(display, kOverlayMarker, False);
    XChangeProperty(display, window, marker, XA_WINDOW, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&window), 1);
}

Window ClientWindowIn(Display* display, Window window) {
    const Atom wmState = XInternAtom(display, "WM_STATE", False);
    if (HasProperty(display, window, wmState)) return window;
    return DescendantWithWmState(display, window, wmState);
}

bool IsDesktopWindow(Display* display, Window window) {
    const Atom windowType = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
    const Atom desktop = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DESKTOP", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0, remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, windowType, 0, kMostWindowTypes, False, XA_ATOM, &type,
                                          &format, &items, &remaining, &data);
    const std::unique_ptr<unsigned char, XFreeDeleter> owned(data);
    if (status != Success || type != XA_ATOM || format != 32) return false;
    // Xlib hands 32-bit items over as longs.
    const std::span<const long> types(reinterpret_cast<const long*>(data), items);
    for (long listed : types) {
        if (static_cast<Atom>(listed) == desktop) return true;
    }
    return false;
}

std::string ResourceClass(Display* display, Window window) {
    XClassHint hint{};
    if (!XGetClassHint(display, window, &hint)) return {};
    const std::unique_ptr<char, XFreeDeleter> name(hint.res_name);
    const std::unique_ptr<char, XFreeDeleter> cls(hint.res_class);
    return cls ? std::string(cls.get()) : std::string();
}

}  // namespace mipro::linux_x11
