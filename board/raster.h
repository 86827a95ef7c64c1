// A picture held in memory: width x height colours, row by row from the top.
#pragma once

#include <cstdint>
#include <vector>

namespace mipro::board {

// Red in bits 0-7, green in bits 8-15, blue in bits 16-23.
using Colour = std::int32_t;

constexpr Colour Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }
constexpr int RedOf(Colour c) { return c & 0xFF; }
constexpr int GreenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(Colour c) { return (c >> 16) & 0xFF; }

constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kBlack = Rgb(0, 0, 0);

class Raster {
public:
    Raster() = default;
    Raster(int width, int height, Colour fill)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

    int width() const { return width_; }
    int height() const { return height_; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Colour at(int x, int y) const { return pixels_[index(x, y)]; }
    // Pixels outside the picture are left alone.
    void set(int x, int y, Colour c) {
        if (inside(x, y)) pixels_[index(x, y)] = c;
    }

    friend bool operator==(const Raster&, const Raster&) = default;

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_ = 0;
    int height_ = 0;
    std::vector<Colour> pixels_;
};

}  // namespace mipro::board
