#include "pixels/oklab.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/colour.h"

namespace mipro {

namespace {

constexpr int kValues = 256;
constexpr double kTopValue = 255.0;
// Newton's steps: the fifth root starts from 1 and reaches the smallest value the sRGB curve asks
// for (0.008) within 15 steps; the cube root starts within 10 % and needs 4.
constexpr int kFifthRootSteps = 40;
constexpr int kCubeRootSteps = 6;

// v^(1/5) for 0 < v <= 1.
double FifthRoot(double v) {
    double y = 1.0;
    for (int step = 0; step < kFifthRootSteps; ++step) {
        const double y2 = y * y;
        y = (4.0 * y + v / (y2 * y2)) / 5.0;
    }
    return y;
}

// v^(1/3): v = m * 2^(3q + r) with m * 2^r in [0.5, 4), whose root a straight line guesses.
double CubeRoot(double v) {
    if (v == 0.0) return 0.0;
    if (v < 0.0) return -CubeRoot(-v);
    int exponent = 0;
    const double mantissa = std::frexp(v, &exponent);
    const int r = ((exponent % 3) + 3) % 3;
    const double t = std::ldexp(mantissa, r);
    double y = 0.7937 + 0.2266 * (t - 0.5);
    for (int step = 0; step < kCubeRootSteps; ++step) y = (2.0 * y + t / (y * y)) / 3.0;
    return std::ldexp(y, (exponent - r) / 3);
}

// The sRGB curve: an encoded component (0 to 1) to linear light.
double LinearLight(double encoded) {
    if (encoded <= 0.04045) return encoded / 12.92;
    const double v = (encoded + 0.055) / 1.055;
    const double squared = v * v;
    return squared * FifthRoot(squared);  // v^2.4
}

struct SrgbTables {
    std::array<double, kValues> linear{};           // each component value's linear light
    std::array<double, kValues - 1> halfway{};      // the linear light halfway between k and k + 1
};

const SrgbTables& Tables() {
    static const SrgbTables tables = [] {
        SrgbTables t;
        for (int k = 0; k < kValues; ++k) t.linear[k] = LinearLight(k / kTopValue);
        for (int k = 0; k + 1 < kValues; ++k) t.halfway[k] = LinearLight((k + 0.5) / kTopValue);
        return t;
    }();
    return tables;
}

// The component value whose linear light is nearest, in sRGB's own steps.
int Encoded(double linear) {
    const auto& halfway = Tables().halfway;
    return static_cast<int>(std::lower_bound(halfway.begin(), halfway.end(), linear) - halfway.begin());
}

}  // namespace

Lab LabOf(ColourValue colour) {
    const auto& linear = Tables().linear;
    const double r = linear[RedOf(colour)], g = linear[GreenOf(colour)], b = linear[BlueOf(colour)];
    const double l = CubeRoot(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
    const double m = CubeRoot(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
    const double s = CubeRoot(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

ColourValue ColourOf(const Lab& lab) {
    const double l1 = lab.L + 0.3963377774 * lab.a + 0.2158037573 * lab.b;
    const double m1 = lab.L - 0.1055613458 * lab.a - 0.0638541728 * lab.b;
    const double s1 = lab.L - 0.0894841775 * lab.a - 1.2914855480 * lab.b;
    const double l = l1 * l1 * l1, m = m1 * m1 * m1, s = s1 * s1 * s1;
    return ColourFromRgb(Encoded(4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s),
                         Encoded(-1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s),
                         Encoded(-0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s));
}

}  // namespace mipro
