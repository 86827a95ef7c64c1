// Conversion of a floating-point value to the nearest 32-bit integer, halves going to the even
// neighbour (2.5 -> 2, 3.5 -> 4), whatever the floating-point rounding mode is.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace mipro {

inline std::int32_t NearestInt(double v) {
    double whole = std::floor(v);
    const double fraction = v - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        whole += 1.0;
    }
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (!(whole >= lowest)) return std::numeric_limits<std::int32_t>::min();
    if (whole > highest) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(whole);
}

}  // namespace mipro
