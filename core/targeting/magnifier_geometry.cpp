#include "targeting/magnifier_geometry.h"

#include "base/nearest_int.h"

namespace mipro {

MagnifierGeometry MagnifierGeometryFor(std::int32_t twipsX, std::int32_t twipsY) {
    MagnifierGeometry g;
    g.width = static_cast<double>(kMagnifierSizePx) * twipsX;
    g.height = static_cast<double>(kMagnifierSizePx) * twipsY;
    g.HalfW = NearestInt(g.width / 2);
    g.HalfH = NearestInt(g.height / 2);
    g.HalfWPx = NearestInt(static_cast<double>(g.HalfW) / twipsX);
    g.HalfHPx = NearestInt(static_cast<double>(g.HalfH) / twipsY);
    g.SrcDX = kSourceOffsetXPx;
    g.SrcDY = g.HalfHPx - kSourceRowsAbovePointer;
    return g;
}

TwipsPoint PlaceOnPointer(const MagnifierGeometry& g, std::int32_t twipsX, std::int32_t twipsY, ScreenPoint p) {
    return {static_cast<double>(p.x) * twipsX - g.HalfW, static_cast<double>(p.y) * twipsY - g.HalfH};
}

ScreenPoint SourcePoint(const MagnifierGeometry& g, std::int32_t twipsX, std::int32_t twipsY, TwipsPoint at,
                        std::int32_t dx, std::int32_t dy) {
    return {NearestInt(at.left / twipsX + g.SrcDX + dx), NearestInt(at.top / twipsY + g.SrcDY + dy)};
}

ScreenRect SourceSquareAround(const MagnifierGeometry& g, ScreenPoint p) {
    const std::int32_t left = p.x + g.SrcDX - g.HalfWPx;
    const std::int32_t top = p.y + g.SrcDY - g.HalfHPx;
    return {left, top, left + kSourceSizePx, top + kSourceSizePx};
}

}  // namespace mipro
