#include "targeting/canvas_extent.h"

#include <algorithm>

#include "base/nearest_int.h"

namespace mipro {

namespace {

// The origin's place in the picture read around it.
constexpr int kOriginAt = 1;

// The last x of the run of `colour` along row y from x = 0.
int RunAlongRow(const Picture& p, int y, ColourValue colour) {
    int x = 0;
    while (x + 1 < p.width() && p.point(x + 1, y) == colour) ++x;
    return x;
}

int RunDownColumn(const Picture& p, int x, ColourValue colour) {
    int y = 0;
    while (y + 1 < p.height() && p.point(x, y + 1) == colour) ++y;
    return y;
}

bool ColumnIs(const Picture& p, int x, int fromY, int toY, ColourValue colour) {
    for (int y = fromY; y <= toY; ++y)
        if (p.point(x, y) != colour) return false;
    return true;
}

bool RowIs(const Picture& p, int y, int fromX, int toX, ColourValue colour) {
    for (int x = fromX; x <= toX; ++x)
        if (p.point(x, y) != colour) return false;
    return true;
}

// A frame closed at the ends of both runs, which end where something else begins rather than at
// the edge of what was read.
std::optional<CanvasSize> InsideFrame(const Picture& p, ColourValue frame, int rightEnd, int bottomEnd) {
    if (rightEnd + 1 >= p.width() || bottomEnd + 1 >= p.height()) return std::nullopt;
    if (!ColumnIs(p, rightEnd, 0, bottomEnd, frame) || !RowIs(p, bottomEnd, 0, rightEnd, frame)) return std::nullopt;
    return CanvasSize{rightEnd - kOriginAt, bottomEnd - kOriginAt};
}

// A canvas on a plain background: the first full column and row of the background colour.
std::optional<CanvasSize> OnBackground(const Picture& p, ColourValue background, int rightEnd, int bottomEnd) {
    // A first pixel like its surroundings: no canvas to be told from them.
    if (p.point(kOriginAt, kOriginAt) == background) return std::nullopt;
    int right = kOriginAt + 1;
    while (right <= rightEnd && !ColumnIs(p, right, kOriginAt, bottomEnd, background)) ++right;
    int bottom = kOriginAt + 1;
    while (bottom <= bottomEnd && !RowIs(p, bottom, kOriginAt, rightEnd, background)) ++bottom;
    if (right > rightEnd || bottom > bottomEnd) return std::nullopt;
    return CanvasSize{right - kOriginAt, bottom - kOriginAt};
}

}  // namespace

std::optional<CanvasSize> CanvasExtentIn(const Picture& around) {
    if (around.width() <= kOriginAt + 1 || around.height() <= kOriginAt + 1) return std::nullopt;
    const ColourValue outside = around.point(0, 0);
    const int rightEnd = RunAlongRow(around, 0, outside);
    const int bottomEnd = RunDownColumn(around, 0, outside);
    // The surroundings must pass the canvas's first column and row at least.
    if (rightEnd <= kOriginAt || bottomEnd <= kOriginAt) return std::nullopt;
    if (auto framed = InsideFrame(around, outside, rightEnd, bottomEnd)) return framed;
    return OnBackground(around, outside, rightEnd, bottomEnd);
}

std::optional<CanvasSize> FindCanvasSize(Wizard& w, ScreenPoint origin) {
    Screen& screen = w.pf.screen;
    const std::int32_t screenRight = NearestInt(screen.widthTwips() / screen.twipsPerPixelX());
    const std::int32_t screenBottom = NearestInt(screen.heightTwips() / screen.twipsPerPixelY());
    // The canvas, a pixel of its surroundings on every side, and no more of the screen than there is.
    const ScreenRect area{origin.x - kOriginAt, origin.y - kOriginAt,
                          std::min(origin.x + kMaxCanvasSide + kOriginAt, screenRight),
                          std::min(origin.y + kMaxCanvasSide + kOriginAt, screenBottom)};
    if (area.right <= area.left || area.bottom <= area.top) return std::nullopt;
    const std::optional<Picture> around = screen.readPixels(area);
    if (!around) return std::nullopt;
    return CanvasExtentIn(*around);
}

}  // namespace mipro
