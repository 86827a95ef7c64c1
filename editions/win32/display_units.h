// Twips and pixels on the real display. Twips per pixel are the whole numbers the core uses too
// (1440 over the display's dots per inch, to the nearest), so both convert alike at any scaling.
#pragma once

namespace mipro::win32 {

double TwipsPerPixelX();
double TwipsPerPixelY();
// 1 at 96 dots per inch, 1.5 at 144.
double DisplayScale();

// A design length in twips as whole pixels (nearest, halves to even).
int TwipsToPixels(int twips, double twipsPerPixel);

}  // namespace mipro::win32
