#include "tests/linux/e2e/x_user.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <thread>

#include "base/twips.h"
#include "editions/linux/x11_window_tree.h"
#include "editions/linux/xft_dpi.h"

namespace mipro::testing {

namespace {

constexpr unsigned kLeftButton = 1;
constexpr auto kButtonHold = std::chrono::milliseconds(20);
// How long a window manager may hold a click back on a busy machine.
constexpr auto kClickLetThrough = std::chrono::seconds(30);
// Long enough for the programs on the display to take in a changed keyboard mapping.
constexpr auto kKeymapSettle = std::chrono::milliseconds(80);
constexpr auto kBetweenKeys = std::chrono::milliseconds(10);
constexpr unsigned long kUnicodeKeysyms = 0x01000000;
constexpr char32_t kLatin1End = 0x100;
// A window manager takes a move request in its own time: the hand looks this often, this long.
constexpr auto kMoveCheck = std::chrono::milliseconds(50);
constexpr int kMoveChecks = 40;
constexpr int kMoveTries = 3;
constexpr long kLongestResources = 1 << 20;
constexpr auto kClipboardTimeout = std::chrono::seconds(2);
constexpr auto kClipboardPoll = std::chrono::milliseconds(20);
constexpr long kClipboardMostLongs = 4096;

std::u32string CodePoints(const std::string& utf8) {
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (int k = 1; k < length && i + k < utf8.size(); ++k) c = (c << 6) | (utf8[i + k] & 0x3F);
        out += c;
        i += length;
    }
    return out;
}

std::string TextProperty(Display* d, Window w, const char* name, Atom type) {
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, 1024, False, type, &actual, &format, &count, &after,
                           &data) == Success &&
        data) {
        text.assign(reinterpret_cast<char*>(data), count);
    }
    if (data) XFree(data);
    return text;
}

// The atoms a window property lists (such as _NET_WM_STATE); empty when it has none.
std::vector<Atom> AtomProperty(Display* d, Window w, const char* name) {
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<Atom> atoms;
    if (XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, 1024, False, XA_ATOM, &actual, &format, &count,
                           &after, &data) == Success &&
        data && format == 32) {
        const Atom* list = reinterpret_cast<const Atom*>(data);
        atoms.assign(list, list + count);
    }
    if (data) XFree(data);
    return atoms;
}

// The window a _NET_SUPPORTING_WM_CHECK property on w names; nothing when w has none (or is gone).
std::optional<Window> CheckWindowNamedOn(Display* d, Window w) {
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::optional<Window> named;
    if (XGetWindowProperty(d, w, XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", False), 0, 1, False, XA_WINDOW, &actual,
                           &format, &count, &after, &data) == Success &&
        data && format == 32 && count == 1) {
        named = *reinterpret_cast<const Window*>(data);
    }
    if (data) XFree(data);
    return named;
}

std::string ClassOf(Display* d, Window w) {
    XClassHint hint{};
    if (!XGetClassHint(d, w, &hint)) return {};
    std::string cls = hint.res_class ? hint.res_class : "";
    if (hint.res_name) XFree(hint.res_name);
    if (hint.res_class) XFree(hint.res_class);
    return cls;
}

// A keycode no key of the keyboard uses, to carry any keysym for a moment.
KeyCode SpareKeycode(Display* d) {
    int lowest = 0, highest = 0, perCode = 0;
    XDisplayKeycodes(d, &lowest, &highest);
    KeySym* map = XGetKeyboardMapping(d, static_cast<KeyCode>(lowest), highest - lowest + 1, &perCode);
    KeyCode spare = 0;
    for (int code = highest; code >= lowest && !spare; --code) {
        bool unused = true;
        for (int k = 0; k < perCode; ++k) unused = unused && map[(code - lowest) * perCode + k] == NoSymbol;
        if (unused) spare = static_cast<KeyCode>(code);
    }
    XFree(map);
    return spare;
}

// Windows open and close while the user looks at them (a menu, a file chooser, a browser's
// helper window), so a request about a window that has just gone fails quietly: the call reports
// failure and the user looks again, instead of Xlib's default handler ending the driver.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

}  // namespace

XUser::XUser() : display_(XOpenDisplay(nullptr)) { XSetErrorHandler(IgnoreXError); }

XUser::~XUser() {
    if (display_) XCloseDisplay(display_);
}

void XUser::sync() { XSync(display_, False); }

void XUser::moveTo(ScreenPoint p) {
    XTestFakeMotionEvent(display_, -1, p.x, p.y, CurrentTime);
    sync();
}

ScreenPoint XUser::pointer() {
    Window root = None, child = None;
    int x = 0, y = 0, wx = 0, wy = 0;
    unsigned int mask = 0;
    XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &x, &y, &wx, &wy, &mask);
    return {x, y};
}

// The click has reached the window once the server shows the button up again: a window manager
// that takes the press first holds the release back until it lets the press through, and keys
// typed meanwhile would overtake the click.
void XUser::click() {
    XTestFakeButtonEvent(display_, kLeftButton, True, CurrentTime);
    sync();
    std::this_thread::sleep_for(kButtonHold);
    XTestFakeButtonEvent(display_, kLeftButton, False, CurrentTime);
    sync();
    const auto deadline = std::chrono::steady_clock::now() + kClickLetThrough;
    while (buttonHeld() && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(kButtonHold);
}

bool XUser::buttonHeld() {
    Window root = None, child = None;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned int mask = 0;
    XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &rootX, &rootY, &x, &y, &mask);
    return (mask & Button1Mask) != 0;
}

void XUser::clickAt(ScreenPoint p) {
    moveTo(p);
    std::this_thread::sleep_for(kButtonHold);
    click();
}

void XUser::key(const std::string& name, bool withControl) {
    const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(name.c_str()));
    const KeyCode control = XKeysymToKeycode(display_, XStringToKeysym("Control_L"));
    if (withControl) XTestFakeKeyEvent(display_, control, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    if (withControl) XTestFakeKeyEvent(display_, control, False, CurrentTime);
    sync();
}

// A character the keyboard has is typed on its key, with Shift where it is the key's second
// symbol; any other (Japanese letters) goes out on a spare key mapped to it for the moment, as
// input tools do, after the programs on the display have taken in the new mapping.
void XUser::type(const std::string& utf8) {
    const KeyCode shift = XKeysymToKeycode(display_, XStringToKeysym("Shift_L"));
    const KeyCode spare = SpareKeycode(display_);
    for (const char32_t c : CodePoints(utf8)) {
        const KeySym symbol = c < kLatin1End ? c : kUnicodeKeysyms + c;
        KeyCode code = XKeysymToKeycode(display_, symbol);
        bool shifted = false;
        if (code && XkbKeycodeToKeysym(display_, code, 0, 0) != symbol) shifted = XkbKeycodeToKeysym(display_, code, 0, 1) == symbol;
        if (code && XkbKeycodeToKeysym(display_, code, 0, 0) != symbol && !shifted) code = 0;
        if (!code && spare) {
            KeySym symbols[2] = {symbol, symbol};
            XChangeKeyboardMapping(display_, spare, 2, symbols, 1);
            sync();
            std::this_thread::sleep_for(kKeymapSettle);
            code = spare;
        }
        if (shifted) XTestFakeKeyEvent(display_, shift, True, CurrentTime);
        XTestFakeKeyEvent(display_, code, True, CurrentTime);
        XTestFakeKeyEvent(display_, code, False, CurrentTime);
        if (shifted) XTestFakeKeyEvent(display_, shift, False, CurrentTime);
        sync();
        std::this_thread::sleep_for(code == spare ? kKeymapSettle : kBetweenKeys);
    }
    KeySym none[2] = {NoSymbol, NoSymbol};
    if (spare) XChangeKeyboardMapping(display_, spare, 2, none, 1);
    sync();
}

ScreenRect XUser::screen() {
    return {0, 0, DisplayWidth(display_, DefaultScreen(display_)), DisplayHeight(display_, DefaultScreen(display_))};
}

board::Raster XUser::look(ScreenRect r) {
    const int width = r.right - r.left, height = r.bottom - r.top;
    board::Raster seen(width, height, board::kBlack);
    XImage* image = XGetImage(display_, DefaultRootWindow(display_), r.left, r.top, width, height, AllPlanes, ZPixmap);
    if (!image) return seen;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            seen.set(x, y, board::Rgb(static_cast<int>((p & image->red_mask) >> 16),
                                      static_cast<int>((p & image->green_mask) >> 8),
                                      static_cast<int>(p & image->blue_mask)));
        }
    }
    XDestroyImage(image);
    return seen;
}

// Under a window manager the root's children are its frames; the program's window is the one
// inside carrying WM_STATE. Windows no manager holds (a bare display, a menu) stand for themselves.
std::vector<TopWindow> XUser::windows() {
    Window root = None, parent = None, *children = nullptr;
    unsigned int count = 0;
    std::vector<TopWindow> found;
    if (!XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) return found;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes frame{};
        if (!XGetWindowAttributes(display_, children[i], &frame) || frame.map_state != IsViewable) continue;
        const Window client = linux_x11::ClientWindowIn(display_, children[i]);
        const Window w = client != None ? client : children[i];
        XWindowAttributes a{};
        const auto at = origin(w);
        if (!at || !XGetWindowAttributes(display_, w, &a)) continue;
        found.push_back({w, ClassOf(display_, w), title(w), {at->x, at->y, at->x + a.width, at->y + a.height}});
    }
    if (children) XFree(children);
    return found;
}

std::string XUser::title(XWindowId id) {
    const std::string utf8 = TextProperty(display_, id, "_NET_WM_NAME", XInternAtom(display_, "UTF8_STRING", False));
    return utf8.empty() ? TextProperty(display_, id, "WM_NAME", XA_STRING) : utf8;
}

std::optional<TopWindow> XUser::window(const std::function<bool(const TopWindow&)>& which) {
    for (const TopWindow& w : windows()) {
        if (which(w)) return w;
    }
    return std::nullopt;
}

// A framed window is asked to move as a program asks: the window manager puts the frame's corner
// where the window's was asked to go, so the request is offset by the frame's edge, and looked at
// again until the window itself is there.
bool XUser::moveWindow(XWindowId id, ScreenPoint topLeft) {
    const auto at = origin(id);
    const auto frameAt = origin(topLevelOf(id));
    if (!at || !frameAt) return false;
    ScreenPoint asked{topLeft.x - (at->x - frameAt->x), topLeft.y - (at->y - frameAt->y)};
    for (int tries = 0; tries < kMoveTries; ++tries) {
        XMoveWindow(display_, id, asked.x, asked.y);
        sync();
        std::optional<ScreenPoint> now;
        for (int check = 0; check < kMoveChecks; ++check) {
            std::this_thread::sleep_for(kMoveCheck);
            now = origin(id);
            if (now && *now == topLeft) return true;
        }
        if (!now) return false;
        asked = {asked.x + topLeft.x - now->x, asked.y + topLeft.y - now->y};
    }
    return false;
}

std::optional<ScreenPoint> XUser::origin(XWindowId id) {
    int x = 0, y = 0;
    Window child = None;
    if (!XTranslateCoordinates(display_, id, DefaultRootWindow(display_), 0, 0, &x, &y, &child)) return std::nullopt;
    return ScreenPoint{x, y};
}

XWindowId XUser::topLevelOf(XWindowId id) {
    Window w = id;
    for (;;) {
        Window root = None, parent = None, *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display_, w, &root, &parent, &children, &count)) return id;
        if (children) XFree(children);
        if (parent == root || parent == None) return w;
        w = parent;
    }
}

double XUser::dotsPerInch() {
    Atom type = None;
    int format = 0;
    unsigned long items = 0, remaining = 0;
    unsigned char* data = nullptr;
    std::string resources;
    if (XGetWindowProperty(display_, DefaultRootWindow(display_), XA_RESOURCE_MANAGER, 0, kLongestResources, False,
                           XA_STRING, &type, &format, &items, &remaining, &data) == Success &&
        data && format == 8) {
        resources.assign(reinterpret_cast<char*>(data), items);
    }
    if (data) XFree(data);
    return linux_x11::XftDpi(resources).value_or(kStandardDotsPerInch);
}

void XUser::keepBelow(XWindowId id) {
    constexpr long kRemove = 0, kAdd = 1, kFromAPager = 2;
    auto changeState = [&](long change, const char* state) {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = id;
        e.xclient.message_type = XInternAtom(display_, "_NET_WM_STATE", False);
        e.xclient.format = 32;
        e.xclient.data.l[0] = change;
        e.xclient.data.l[1] = static_cast<long>(XInternAtom(display_, state, False));
        e.xclient.data.l[3] = kFromAPager;
        XSendEvent(display_, DefaultRootWindow(display_), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    };
    changeState(kRemove, "_NET_WM_STATE_FULLSCREEN");
    changeState(kAdd, "_NET_WM_STATE_BELOW");
    sync();
}

void XUser::focus(XWindowId id) {
    XRaiseWindow(display_, topLevelOf(id));
    XSetInputFocus(display_, id, RevertToPointerRoot, CurrentTime);
    sync();
}

// A window manager names a window of its own on the root and names it again on that window; one
// that has gone leaves the root's name behind, naming a window that no longer exists.
bool XUser::hasWindowManager() {
    const std::optional<Window> named = CheckWindowNamedOn(display_, DefaultRootWindow(display_));
    return named && CheckWindowNamedOn(display_, *named) == named;
}

bool XUser::inState(XWindowId id, const std::string& state) {
    const Atom wanted = XInternAtom(display_, state.c_str(), False);
    for (const Atom a : AtomProperty(display_, id, "_NET_WM_STATE")) {
        if (a == wanted) return true;
    }
    return false;
}

bool XUser::holdsFocus(XWindowId topLevel) {
    Window focused = None;
    int revert = 0;
    XGetInputFocus(display_, &focused, &revert);
    if (focused == None || focused == PointerRoot) return false;
    return topLevelOf(focused) == topLevelOf(topLevel);
}

void XUser::close(XWindowId id) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = id;
    e.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, id, False, NoEventMask, &e);
    sync();
}

void XUser::killClient(XWindowId id) {
    XKillClient(display_, id);
    sync();
}

void XUser::claimClipboard() {
    if (clipboardOwner_ == None) {
        clipboardOwner_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 1, 1, 0, 0, 0);
    }
    XSetSelectionOwner(display_, XInternAtom(display_, "CLIPBOARD", False), clipboardOwner_, CurrentTime);
    sync();
}

bool XUser::clipboardTakenBack() {
    const Window owner = XGetSelectionOwner(display_, XInternAtom(display_, "CLIPBOARD", False));
    return owner != None && owner != clipboardOwner_;
}

// Asks the clipboard's owner for its text as UTF-8 into a property of a window of our own, and
// reads it from there once the owner says it has answered.
std::string XUser::clipboardText() {
    const Window own = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 1, 1, 0, 0, 0);
    const Atom clipboard = XInternAtom(display_, "CLIPBOARD", False);
    const Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
    const Atom into = XInternAtom(display_, "MIPRO_E2E_CLIPBOARD", False);
    XConvertSelection(display_, clipboard, utf8, into, own, CurrentTime);
    sync();
    XEvent answer{};
    bool answered = false;
    const auto deadline = std::chrono::steady_clock::now() + kClipboardTimeout;
    while (!answered && std::chrono::steady_clock::now() < deadline) {
        answered = XCheckTypedWindowEvent(display_, own, SelectionNotify, &answer);
        if (!answered) std::this_thread::sleep_for(kClipboardPoll);
    }
    std::string text;
    if (answered && answer.xselection.property != None) {
        Atom type = None;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display_, own, into, 0, kClipboardMostLongs, True, AnyPropertyType, &type, &format,
                               &items, &after, &data) == Success && data) {
            if (format == 8) text.assign(reinterpret_cast<const char*>(data), items);
            XFree(data);
        }
    }
    XDestroyWindow(display_, own);
    sync();
    return text;
}

}  // namespace mipro::testing
