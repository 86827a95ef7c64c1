#include "drawing/group_landing.h"

#include <algorithm>

#include "drawing/board_colour.h"
#include "targeting/board_kinds.h"

namespace mipro {

namespace {

// A page paints its input on its next frame, and a busy page a frame or two later: a group that
// does not show whole yet is read again this often (three frames of a 60 Hz page), at most this
// many times, until two reads agree.
constexpr int kPaintLookMs = 50;
constexpr int kMostLooks = 6;

ScreenRect Around(const State& st, const std::vector<PixelLine>& pixels) {
    const ScreenPoint origin = CanvasOrigin(st);
    ScreenRect r{pixels.front().x, pixels.front().y, pixels.front().x + 1, pixels.front().y + 1};
    for (const PixelLine& px : pixels) {
        r.left = std::min(r.left, px.x);
        r.top = std::min(r.top, px.y);
        r.right = std::max(r.right, px.x + 1);
        r.bottom = std::max(r.bottom, px.y + 1);
    }
    return {origin.x + r.left, origin.y + r.top, origin.x + r.right, origin.y + r.bottom};
}

std::vector<ColourValue> Wanted(const State& st, const std::vector<PixelLine>& pixels) {
    const ColourRule rule = ColourRuleOf(st);
    std::vector<ColourValue> wanted;
    wanted.reserve(pixels.size());
    for (const PixelLine& px : pixels) wanted.push_back(ShownColour(rule, px));
    return wanted;
}

}  // namespace

std::vector<PixelLine> PixelsOf(const Stroke& s) {
    std::vector<PixelLine> pixels;
    for (std::int32_t x = s.first.x; x <= s.lastX; ++x) {
        PixelLine px = s.first;
        px.x = x;
        pixels.push_back(px);
    }
    return pixels;
}

std::optional<std::vector<ColourValue>> LookAtPixels(Wizard& w, const std::vector<PixelLine>& pixels) {
    if (pixels.empty()) return std::vector<ColourValue>{};
    w.pf.pointer.setCursorPos(StartPoint(w.st));
    const ScreenRect rect = Around(w.st, pixels);
    const std::optional<Picture> seen = w.pf.screen.readPixels(rect);
    if (!seen || seen->width() != rect.right - rect.left || seen->height() != rect.bottom - rect.top)
        return std::nullopt;
    const ScreenPoint origin = CanvasOrigin(w.st);
    std::vector<ColourValue> colours;
    colours.reserve(pixels.size());
    for (const PixelLine& px : pixels) colours.push_back(seen->point(origin.x + px.x - rect.left, origin.y + px.y - rect.top));
    return colours;
}

Landing LookAfterGroup(Wizard& w, const std::vector<PixelLine>& pixels, const std::vector<ColourValue>& before) {
    const std::vector<ColourValue> wanted = Wanted(w.st, pixels);
    std::optional<std::vector<ColourValue>> seen = LookAtPixels(w, pixels);
    for (int look = 1; seen && *seen != wanted && look < kMostLooks; ++look) {
        w.pf.clock.sleep(kPaintLookMs);
        std::optional<std::vector<ColourValue>> again = LookAtPixels(w, pixels);
        if (again == seen) break;
        seen = std::move(again);
    }
    if (!seen) return {false, {}, {}, false};
    Landing landing;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const ColourValue now = (*seen)[i];
        if (now == wanted[i]) continue;
        landing.missed.push_back(pixels[i]);
        landing.now.push_back(now);
        landing.colourWrong = landing.colourWrong || now != before[i];
    }
    return landing;
}

}  // namespace mipro
