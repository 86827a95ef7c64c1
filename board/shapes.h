// Plain shapes drawn into a raster; every pixel outside the raster is skipped.
#pragma once

#include "board/geometry.h"
#include "board/raster.h"

namespace mipro::board {

void FillRect(Raster& r, Rect area, Colour c);
// A one-pixel outline along the edge of the area.
void OutlineRect(Raster& r, Rect area, Colour c);
// Triangles filling their box: the up one with its point at the top centre, the down one at the bottom.
void FillUpTriangle(Raster& r, Rect box, Colour c);
void FillDownTriangle(Raster& r, Rect box, Colour c);
// Copies a whole picture with its top-left pixel at `at`.
void Blit(Raster& r, const Raster& picture, Point at);

}  // namespace mipro::board
