#include "editions/win32/display_units.h"

#include <windows.h>

#include "base/twips.h"

namespace mipro::win32 {

namespace {

int ScreenDpi(int axis) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, axis);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

double TwipsPerPixelX() { return TwipsPerPixelAt(ScreenDpi(LOGPIXELSX)); }
double TwipsPerPixelY() { return TwipsPerPixelAt(ScreenDpi(LOGPIXELSY)); }
double DisplayScale() { return static_cast<double>(ScreenDpi(LOGPIXELSX)) / USER_DEFAULT_SCREEN_DPI; }

int TwipsToPixels(int twips, double twipsPerPixel) { return NearestInt(twips / twipsPerPixel); }

}  // namespace mipro::win32
