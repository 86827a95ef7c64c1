#include "targeting/window_checks.h"

#include <cstdlib>

namespace mipro {

namespace {

// How far the pointer may be found from where it was put and still count as unmoved.
constexpr std::int32_t kPointerTolerancePx = 1;

struct ClassVerdict {
    const char* className;
    std::int32_t verdict;
};

// Windows: the applets' canvases under either Java machine, and the page area of the browsers
// that show today's boards; the desktop's icon view.
constexpr ClassVerdict kWindowsClasses[] = {
    {"MSAWT_Comp_Class", kOnBoard},
    {"SunAwtCanvas", kOnBoard},
    {"Chrome_RenderWidgetHostHWND", kOnBoard},  // Chrome, Edge and other Chromium browsers
    {"MozillaWindowClass", kOnBoard},           // Firefox
    {"SysListView32", kOnDesktopIcons},
};
constexpr const char* kSunCanvasClass = "SunAwtCanvas";

// X11: the browsers' windows by the class of their WM_CLASS, and the desktop.
//
// A browser built on Chromium names its class after the desktop file it was started from, without
// ".desktop" and with its first letter in capitals (chrome/browser/shell_integration_linux.cc,
// GetProgramClassClass); the desktop files' StartupWMClass lines say the same. Firefox and its
// relatives name theirs after the program's remoting name, which their desktop files repeat as
// StartupWMClass. The names are compared ignoring letter case.
constexpr ClassVerdict kX11Classes[] = {
    {"Chromium", kOnBoard},                // chromium.desktop
    {"Chromium-browser", kOnBoard},        // chromium-browser.desktop (Debian's older name, Gentoo)
    {"org.chromium.Chromium", kOnBoard},   // Flatpak: org.chromium.Chromium.desktop
    {"Chromium_chromium", kOnBoard},       // Snap: chromium_chromium.desktop
    {"Google-chrome", kOnBoard},           // google-chrome.desktop
    {"Google-chrome-beta", kOnBoard},      // google-chrome-beta.desktop
    {"Google-chrome-unstable", kOnBoard},  // google-chrome-unstable.desktop
    {"Microsoft-edge", kOnBoard},          // microsoft-edge.desktop
    {"Microsoft-edge-beta", kOnBoard},
    {"Microsoft-edge-dev", kOnBoard},
    {"Brave-browser", kOnBoard},   // brave-browser.desktop: StartupWMClass=brave-browser
    {"Vivaldi-stable", kOnBoard},  // vivaldi-stable.desktop: the window rules of tiling desktops
                                   // match class Vivaldi-stable
    {"Opera", kOnBoard},           // opera.desktop
    // Firefox as a Debian package, from Mozilla, as a Flatpak (org.mozilla.firefox.desktop) and as
    // a Snap (firefox_firefox.desktop): all of them StartupWMClass=firefox.
    {"firefox", kOnBoard},
    {"Firefox-esr", kOnBoard},
    {"librewolf", kOnBoard},  // librewolf.desktop: StartupWMClass=librewolf
    {kX11DesktopClass, kOnDesktopIcons},
};
constexpr std::int32_t kX11Elsewhere = 1;

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Text comparison ignoring letter case: -1 when a sorts before b, 0 when equal, 1 when after.
int CompareText(const std::string& a, const std::string& b) {
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char ca = static_cast<unsigned char>(LowerAscii(a[i]));
        const unsigned char cb = static_cast<unsigned char>(LowerAscii(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

template <std::size_t N>
const ClassVerdict* Find(const ClassVerdict (&table)[N], const std::string& cls) {
    for (const ClassVerdict& row : table) {
        if (CompareText(cls, row.className) == 0) return &row;
    }
    return nullptr;
}

// A class missing from the table gives the ordering of "SunAwtCanvas" against it.
std::int32_t WindowsVerdict(const std::string& cls) {
    if (const ClassVerdict* row = Find(kWindowsClasses, cls)) return row->verdict;
    return CompareText(kSunCanvasClass, cls) < 0 ? kSortsAfterSunCanvas : kSortsBeforeSunCanvas;
}

std::int32_t X11Verdict(const std::string& cls) {
    if (const ClassVerdict* row = Find(kX11Classes, cls)) return row->verdict;
    return kX11Elsewhere;
}

}  // namespace

std::int32_t ClassVerdictOf(WindowSystem system, const std::string& cls) {
    return system == WindowSystem::X11 ? X11Verdict(cls) : WindowsVerdict(cls);
}

std::int32_t CheckClassName(Wizard& w) {
    Screen& screen = w.pf.screen;
    return ClassVerdictOf(w.pf.windowSystem, GetWndClassName(screen, screen.windowFromPoint(w.st.CurPnt)));
}

std::int32_t CheckClassNameAt(Wizard& w, ScreenPoint p) {
    w.st.CurPnt = p;
    return CheckClassName(w);
}

bool BrowserUnder(Wizard& w, ScreenPoint p) {
    Screen& screen = w.pf.screen;
    const std::string cls = GetWndClassName(screen, screen.windowFromPoint(p));
    const bool applet = CompareText(cls, "MSAWT_Comp_Class") == 0 || CompareText(cls, kSunCanvasClass) == 0;
    return !applet && ClassVerdictOf(w.pf.windowSystem, cls) == kOnBoard;
}

std::string GetWndClassName(Screen& screen, WindowHandle h) {
    if (!screen.isWindow(h)) return "";
    return screen.className(h);
}

bool HandMoved(Wizard& w, std::int32_t nxx, std::int32_t nyy) {
    w.st.CurPnt = w.pf.pointer.getCursorPos();
    return std::abs(w.st.CurPnt.x - nxx) > kPointerTolerancePx || std::abs(w.st.CurPnt.y - nyy) > kPointerTolerancePx;
}

std::int32_t InterruptDraw(Wizard& w, std::int32_t nxx, std::int32_t nyy) {
    if (HandMoved(w, nxx, nyy)) return kHandMoved;
    // CheckClassName tests CurPnt: the pointer just read.
    if (w.st.ClassCheck != False) return CheckClassName(w);
    return kGoOn;
}

}  // namespace mipro
