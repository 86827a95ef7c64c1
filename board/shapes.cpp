#include "board/shapes.h"

#include <cstdlib>

namespace mipro::board {
namespace {

// Row `fromPoint` rows away from the triangle's point: how far the row is inset from each side.
int TriangleInset(Rect box, int fromPoint) {
    const int height = box.bottom - box.top;
    const int width = box.right - box.left;
    if (height == 0) return 0;
    return (height - fromPoint) * width / (2 * height);
}

void FillTriangleRow(Raster& r, Rect box, int y, int fromPoint, Colour c) {
    const int inset = TriangleInset(box, fromPoint);
    for (int x = box.left + inset; x <= box.right - inset; ++x) r.set(x, y, c);
}

}  // namespace

void FillRect(Raster& r, Rect area, Colour c) {
    for (int y = area.top; y <= area.bottom; ++y)
        for (int x = area.left; x <= area.right; ++x) r.set(x, y, c);
}

void OutlineRect(Raster& r, Rect area, Colour c) {
    FillRect(r, {area.left, area.top, area.right, area.top}, c);
    FillRect(r, {area.left, area.bottom, area.right, area.bottom}, c);
    FillRect(r, {area.left, area.top, area.left, area.bottom}, c);
    FillRect(r, {area.right, area.top, area.right, area.bottom}, c);
}

void FillUpTriangle(Raster& r, Rect box, Colour c) {
    for (int y = box.top; y <= box.bottom; ++y) FillTriangleRow(r, box, y, y - box.top, c);
}

void FillDownTriangle(Raster& r, Rect box, Colour c) {
    for (int y = box.top; y <= box.bottom; ++y) FillTriangleRow(r, box, y, box.bottom - y, c);
}

std::vector<Point> LinePoints(Point from, Point to) {
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    std::vector<Point> points;
    int error = dx + dy;
    Point p = from;
    for (;;) {
        points.push_back(p);
        if (p == to) return points;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            p.y += stepY;
        }
    }
}

void Stamp(Raster& r, Point p, int side, Colour c) {
    const int half = side / 2;
    FillRect(r, {p.x - half, p.y - half, p.x + half, p.y + half}, c);
}

void DrawLine(Raster& r, Point from, Point to, int side, Colour c) {
    for (const Point p : LinePoints(from, to)) Stamp(r, p, side, c);
}

void Blit(Raster& r, const Raster& picture, Point at) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) r.set(at.x + x, at.y + y, picture.at(x, y));
}

}  // namespace mipro::board
