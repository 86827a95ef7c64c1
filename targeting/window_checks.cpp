#include "targeting/window_checks.h"

#include <cstdlib>

namespace mipro {

namespace {

constexpr const char* kJavaCanvasClass = "MSAWT_Comp_Class";
constexpr const char* kSunCanvasClass = "SunAwtCanvas";
constexpr const char* kDesktopIconClass = "SysListView32";

// How far the pointer may be found from where it was put and still count as unmoved.
constexpr std::int32_t kPointerTolerancePx = 1;

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

}  // namespace

std::int32_t CheckClassName(Wizard& w) {
    Screen& screen = w.pf.screen;
    const std::string cls = GetWndClassName(screen, screen.windowFromPoint(w.st.CurPnt));
    if (CompareText(cls, kJavaCanvasClass) == 0) return kOnBoard;
    const int order = CompareText(kSunCanvasClass, cls);
    if (order == 0) return kOnBoard;
    if (CompareText(cls, kDesktopIconClass) == 0) return kOnDesktopIcons;
    return order < 0 ? kSortsAfterSunCanvas : kSortsBeforeSunCanvas;
}

std::string GetWndClassName(Screen& screen, WindowHandle h) {
    if (!screen.isWindow(h)) return "";
    return screen.className(h);
}

std::int32_t InterruptDraw(Wizard& w, std::int32_t nxx, std::int32_t nyy) {
    w.st.CurPnt = w.pf.pointer.getCursorPos();
    const bool moved = std::abs(w.st.CurPnt.x - nxx) > kPointerTolerancePx ||
                       std::abs(w.st.CurPnt.y - nyy) > kPointerTolerancePx;
    if (moved) return kHandMoved;
    if (w.st.ClassCheck != False) return CheckClassName(w);
    return kGoOn;
}

}  // namespace mipro
