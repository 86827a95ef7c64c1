#include "platform/win32/display_units.h"

#include <windows.h>

#include "base/nearest_int.h"

namespace mipro::win32 {

namespace {

constexpr double kTwipsPerInch = 1440.0;

int ScreenDpi(int axis) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, axis);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

double TwipsPerPixelX() { return kTwipsPerInch / ScreenDpi(LOGPIXELSX); }
double TwipsPerPixelY() { return kTwipsPerInch / ScreenDpi(LOGPIXELSY); }

int TwipsToPixels(int twips, double twipsPerPixel) { return NearestInt(twips / twipsPerPixel); }

}  // namespace mipro::win32
