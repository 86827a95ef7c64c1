// OKLab, the perceptual colour space the colour reduction measures in: equal distances look
// about equally different, whatever the hue or lightness.
//
// Computed with additions, multiplications, divisions and exact scalings by powers of two only
// (no library powers or roots, whose last bits differ between C libraries), so the same colour
// gives the same bits in the Windows and the Linux edition, and a reduction the same picture.
#pragma once

#include "base/types.h"

namespace mipro {

struct Lab {
    double L = 0;  // lightness, 0 (black) to 1 (white)
    double a = 0;  // green (-) to red (+)
    double b = 0;  // blue (-) to yellow (+)
};

Lab LabOf(ColourValue colour);

// The colour nearest to `lab` (each component rounded in sRGB); a point outside the colours a
// screen can show is first brought to the nearest edge of each linear component.
ColourValue ColourOf(const Lab& lab);

inline double DistanceSquared(const Lab& p, const Lab& q) {
    const double dL = p.L - q.L, da = p.a - q.a, db = p.b - q.b;
    return dL * dL + da * da + db * db;
}

}  // namespace mipro
