#include "targeting/canvas_extent.h"

#include <algorithm>
#include <array>
#include <vector>

#include "base/nearest_int.h"

namespace mipro {

namespace {

// The origin's place in the picture read around it.
constexpr int kOriginAt = kAroundWidth;
// The thickest frame told: the last layer read shows what lies beyond it.
constexpr int kThickestFrame = kAroundWidth - 1;

constexpr ScreenPoint kAlongRow{1, 0};
constexpr ScreenPoint kDownColumn{0, 1};

bool Inside(const Picture& p, int x, int y) { return x >= 0 && y >= 0 && x < p.width() && y < p.height(); }

// A line of pixels read from its first: a run of one colour, then a run of the colour after it.
struct Runs {
    int plain = 0;         // pixels in the first colour
    int turned = 0;        // pixels in the colour after them
    ColourValue turn = 0;  // that colour
};

Runs RunsFrom(const Picture& p, ScreenPoint at, ScreenPoint step, ColourValue colour) {
    Runs r;
    for (; Inside(p, at.x, at.y) && p.point(at.x, at.y) == colour; at.x += step.x, at.y += step.y) ++r.plain;
    if (!Inside(p, at.x, at.y)) return r;
    r.turn = p.point(at.x, at.y);
    for (; Inside(p, at.x, at.y) && p.point(at.x, at.y) == r.turn; at.x += step.x, at.y += step.y) ++r.turned;
    return r;
}

// Layer d around a rectangle at the origin (layer 1 touches it), for every rectangle its top and
// left sides allow. Its top side runs from its top-left corner to just short of its top-right
// corner (W + 2d - 1 pixels for a width W), its left side likewise down; its right side runs from
// its top-right corner to its bottom-right corner (H + 2d pixels), its bottom side likewise across.
struct Layer {
    ColourValue colour = 0;    // the colour of its top and left sides, seen at its top-left corner
    int widest = 0;            // the widest rectangle its top side allows
    int tallest = 0;           // the tallest rectangle its left side allows
    std::vector<Runs> right;   // its right side, by the rectangle's width
    std::vector<Runs> bottom;  // its bottom side, by the rectangle's height
};

Layer ReadLayer(const Picture& p, int d) {
    Layer l;
    const int corner = kOriginAt - d;
    l.colour = p.point(corner, corner);
    l.widest = std::min(RunsFrom(p, {corner, corner}, kAlongRow, l.colour).plain - 2 * d + 1, kMaxCanvasSide);
    l.tallest = std::min(RunsFrom(p, {corner, corner}, kDownColumn, l.colour).plain - 2 * d + 1, kMaxCanvasSide);
    l.right.resize(std::max(l.widest + 1, 0));
    for (int w = 1; w <= l.widest; ++w) l.right[w] = RunsFrom(p, {kOriginAt + w + d - 1, corner}, kDownColumn, l.colour);
    l.bottom.resize(std::max(l.tallest + 1, 0));
    for (int h = 1; h <= l.tallest; ++h) l.bottom[h] = RunsFrom(p, {corner, kOriginAt + h + d - 1}, kAlongRow, l.colour);
    return l;
}

// The layers around the origin, each read when first needed.
class Surroundings {
public:
    explicit Surroundings(const Picture& p) : p_(p) {}
    ColourValue colour(int d) const { return p_.point(kOriginAt - d, kOriginAt - d); }
    const Layer& layer(int d) {
        std::optional<Layer>& l = layers_[d - 1];
        if (!l) l = ReadLayer(p_, d);
        return *l;
    }

private:
    const Picture& p_;
    std::array<std::optional<Layer>, kAroundWidth> layers_;
};

// What a right or bottom side may turn to after its layer's colour.
struct TurnRule {
    bool turns = false;     // whether it may turn at all
    ColourValue never = 0;  // a colour it may not turn to
    bool allows(ColourValue c) const { return turns && c != never; }
};

bool SideFits(int length, const Runs& side, TurnRule rule) {
    return length <= side.plain || (rule.allows(side.turn) && length <= side.plain + side.turned);
}

// Whether layer d closes all round a rectangle of size s.
bool LayerCloses(const Layer& l, int d, CanvasSize s, TurnRule rule) {
    if (s.width > l.widest || s.height > l.tallest) return false;
    return SideFits(s.height + 2 * d, l.right[s.width], rule) && SideFits(s.width + 2 * d, l.bottom[s.height], rule);
}

// A frame of `t` layers: each closes in colours that stand out from what lies beyond the frame,
// and the layer beyond it closes without turning back to the frame's outer colour.
bool FitsFrame(Surroundings& around, int t, CanvasSize s) {
    const ColourValue frameEdge = around.colour(t), beyond = around.colour(t + 1);
    for (int d = 1; d <= t; ++d)
        if (!LayerCloses(around.layer(d), d, s, {true, beyond})) return false;
    return LayerCloses(around.layer(t + 1), t + 1, s, {true, frameEdge});
}

// What a frame of `t` layers makes of the read: whether any rectangle fits it, and the canvas.
struct FrameFit {
    bool any = false;
    std::optional<CanvasSize> canvas;
};

// The canvas is the largest rectangle that fits, when it holds every other that does (those are
// the frame's inner layers seen against a blank canvas). Two fits that lie across each other give
// no canvas: no size is better than a guess.
FrameFit FitFrame(Surroundings& around, int t) {
    int widest = kMaxCanvasSide, tallest = kMaxCanvasSide;
    for (int d = 1; d <= t + 1; ++d) {
        widest = std::min(widest, around.layer(d).widest);
        tallest = std::min(tallest, around.layer(d).tallest);
    }
    FrameFit fit;
    CanvasSize largest;
    for (int w = 1; w <= widest; ++w) {
        for (int h = 1; h <= tallest; ++h) {
            if (!FitsFrame(around, t, {w, h})) continue;
            fit.any = true;
            largest = {std::max(largest.width, w), std::max(largest.height, h)};
        }
    }
    if (fit.any && FitsFrame(around, t, largest)) fit.canvas = largest;
    return fit;
}

bool CornersStandOut(const Picture& p, ColourValue surroundings, CanvasSize s) {
    const int lastX = kOriginAt + s.width - 1, lastY = kOriginAt + s.height - 1;
    return p.point(kOriginAt, kOriginAt) != surroundings && p.point(lastX, kOriginAt) != surroundings &&
           p.point(kOriginAt, lastY) != surroundings;
}

// No frame: the smallest rectangle that the surroundings' colour closes all round.
std::optional<CanvasSize> Unframed(const Picture& p, Surroundings& around) {
    const Layer& l = around.layer(1);
    for (int w = 1; w <= l.widest; ++w) {
        for (int h = 1; h <= l.tallest; ++h) {
            if (!LayerCloses(l, 1, {w, h}, {})) continue;
            if (!CornersStandOut(p, l.colour, {w, h})) return std::nullopt;
            return CanvasSize{w, h};
        }
    }
    return std::nullopt;
}

// The largest canvas at `origin` that the screen has room for.
CanvasSize ScreenReach(Wizard& w, ScreenPoint origin) {
    Screen& screen = w.pf.screen;
    const std::int32_t right = NearestInt(screen.widthTwips() / screen.twipsPerPixelX());
    const std::int32_t bottom = NearestInt(screen.heightTwips() / screen.twipsPerPixelY());
    return {std::clamp(right - origin.x, 0, kMaxCanvasSide), std::clamp(bottom - origin.y, 0, kMaxCanvasSide)};
}

// Calls visit(x, y) for every pixel of the band around a rectangle of size `inner` at the origin,
// row by row, counted from the origin.
template <typename Visit>
void ForEachRingPixel(CanvasSize inner, Visit visit) {
    for (int y = -kAroundWidth; y < inner.height + kAroundWidth; ++y) {
        const bool level = y >= 0 && y < inner.height;
        for (int x = -kAroundWidth; x < inner.width + kAroundWidth; ++x)
            if (!level || x < 0 || x >= inner.width) visit(x, y);
    }
}

}  // namespace

std::optional<CanvasSize> CanvasExtentIn(const Picture& around) {
    if (around.width() <= kOriginAt || around.height() <= kOriginAt) return std::nullopt;
    Surroundings layers(around);
    for (int t = kThickestFrame; t >= 1; --t) {
        // A frame's outer layer differs from what lies beyond it.
        if (layers.colour(t) == layers.colour(t + 1)) continue;
        const FrameFit fit = FitFrame(layers, t);
        if (fit.any) return fit.canvas;
    }
    return Unframed(around, layers);
}

std::optional<Picture> ReadAroundCanvas(Wizard& w, ScreenPoint origin, CanvasSize reach) {
    const ScreenRect area{origin.x - kAroundWidth, origin.y - kAroundWidth, origin.x + reach.width + kAroundWidth,
                          origin.y + reach.height + kAroundWidth};
    return w.pf.screen.readPixels(area);
}

std::optional<CanvasSize> FindCanvasSize(Wizard& w, ScreenPoint origin) { return LookAtCanvas(w, origin).size; }

CanvasRing RingIn(const Picture& around, CanvasSize inner) {
    CanvasRing ring{inner, {}};
    ForEachRingPixel(inner, [&](int x, int y) {
        if (Inside(around, x + kOriginAt, y + kOriginAt))
            ring.pixels.push_back({x, y, around.point(x + kOriginAt, y + kOriginAt)});
    });
    return ring;
}

bool RingShown(const Picture& around, const CanvasRing& ring, CanvasSize drawn) {
    for (const RingPixel& px : ring.pixels) {
        const bool drawnOn = px.x >= 0 && px.y >= 0 && px.x < drawn.width && px.y < drawn.height;
        if (drawnOn) continue;
        const int x = px.x + kOriginAt, y = px.y + kOriginAt;
        if (!Inside(around, x, y) || around.point(x, y) != px.colour) return false;
    }
    return true;
}

CanvasSight LookAtCanvas(Wizard& w, ScreenPoint origin) {
    const std::optional<Picture> around = ReadAroundCanvas(w, origin, ScreenReach(w, origin));
    if (!around) return {};
    CanvasSight sight;
    sight.size = CanvasExtentIn(*around);
    sight.ring = RingIn(*around, sight.size.value_or(CanvasSize{w.st.ImgWidth, w.st.ImgHeight}));
    return sight;
}

}  // namespace mipro
