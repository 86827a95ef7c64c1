// Points, sizes and rectangles in board pixels: x to the right, y downwards, (0, 0) at the
// board's top-left corner.
#pragma once

namespace mipro::board {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

inline Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Both corners inclusive, as the pixels of a drawing are counted.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool contains(Point p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
    Rect movedBy(Point d) const { return {left + d.x, top + d.y, right + d.x, bottom + d.y}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The middle pixel of a rectangle, where a press on a button lands.
inline Point Centre(Rect r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace mipro::board
