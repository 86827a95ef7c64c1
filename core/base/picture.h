// A decoded picture as drawn on the white canvas picIMG: one colour value per pixel.
#pragma once

#include <cstdint>
#include <vector>

#include "base/types.h"

namespace mipro {

class Picture {
public:
    Picture() = default;
    Picture(int width, int height, ColourValue fill = 0xFFFFFF)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }

    // Colour of the pixel at (x, y), red in the low byte (the canvas's Point).
    ColourValue point(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    void setPoint(int x, int y, ColourValue c) { pixels_[static_cast<std::size_t>(y) * width_ + x] = c; }

    friend bool operator==(const Picture&, const Picture&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<ColourValue> pixels_;
};

}  // namespace mipro
