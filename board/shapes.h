// Plain shapes drawn into a raster; every pixel outside the raster is skipped.
#pragma once

#include <vector>

#include "board/geometry.h"
#include "board/raster.h"

namespace mipro::board {

void FillRect(Raster& r, Rect area, Colour c);
// A one-pixel outline along the edge of the area.
void OutlineRect(Raster& r, Rect area, Colour c);
// Triangles filling their box: the up one with its point at the top centre, the down one at the bottom.
void FillUpTriangle(Raster& r, Rect box, Colour c);
void FillDownTriangle(Raster& r, Rect box, Colour c);
// The pixels of a one-pixel line from `from` to `to`, both ends included, in the order a pen goes
// (Bresenham's: each step moves one pixel along the longer axis and at most one along the other).
std::vector<Point> LinePoints(Point from, Point to);
// A square of side `side` (odd) centred on the point.
void Stamp(Raster& r, Point p, int side, Colour c);
// The line with a square of side `side` (odd) painted centred on each of its points.
void DrawLine(Raster& r, Point from, Point to, int side, Colour c);
// Copies a whole picture with its top-left pixel at `at`.
void Blit(Raster& r, const Raster& picture, Point at);

}  // namespace mipro::board
