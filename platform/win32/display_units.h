// Twips and pixels on the real display: 1440 twips per inch, the display's DPI pixels per inch.
#pragma once

namespace mipro::win32 {

double TwipsPerPixelX();
double TwipsPerPixelY();

// A design length in twips as whole pixels (nearest, halves to even).
int TwipsToPixels(int twips, double twipsPerPixel);

}  // namespace mipro::win32
