// Small value types shared by the core and the platforms.
#pragma once

#include <cstdint>

namespace mipro {

// A Boolean of the program-wide state: a 16-bit integer, -1 for True and 0 for False.
using Boolean = std::int16_t;
constexpr Boolean True = -1;
constexpr Boolean False = 0;

constexpr Boolean ToBoolean(bool b) { return b ? True : False; }

// A point on the screen in physical pixels, x to the right and y downwards.
struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

struct ScreenRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// A colour with red in bits 0-7, green in bits 8-15 and blue in bits 16-23.
using ColourValue = std::int32_t;

// Opaque handles of the window system (window and device context).
using WindowHandle = std::intptr_t;
using DeviceContext = std::intptr_t;

}  // namespace mipro
