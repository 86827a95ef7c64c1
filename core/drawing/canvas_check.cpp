#include "drawing/canvas_check.h"

#include <algorithm>
#include <tuple>

#include "drawing/board_colour.h"

namespace mipro {

namespace {

constexpr int kRed = 0, kGreen = 8, kBlue = 16;

int ComponentOf(ColourValue c, int shift) { return (c >> shift) & 0xFF; }

// The sorted pixel list's order: red, green, blue, then y, then x.
bool ListOrder(const CanvasFault& a, const CanvasFault& b) {
    return std::make_tuple(ComponentOf(a.want, kRed), ComponentOf(a.want, kGreen), ComponentOf(a.want, kBlue), a.y,
                           a.x) < std::make_tuple(ComponentOf(b.want, kRed), ComponentOf(b.want, kGreen),
                                                  ComponentOf(b.want, kBlue), b.y, b.x);
}

}  // namespace

CanvasCheck::CanvasCheck(Picture before, ColourRule rule, bool beforeInPlace)
    : rule_(rule),
      before_in_place_(beforeInPlace),
      want_(std::move(before)),
      listed_(static_cast<std::size_t>(want_.width()) * want_.height(), false) {}

void CanvasCheck::expect(const PixelLine& px) {
    if (!inside(px.x, px.y)) return;
    want_.setPoint(px.x, px.y, ShownColour(rule_, px));
    const std::size_t at = static_cast<std::size_t>(px.y) * width() + px.x;
    if (!listed_[at]) ++listed_count_;
    listed_[at] = true;
}

std::vector<CanvasFault> CanvasCheck::faults(const Picture& now) const {
    std::vector<CanvasFault> found;
    const int w = std::min(width(), now.width()), h = std::min(height(), now.height());
    for (int y = 0; y < height(); ++y) {
        for (int x = 0; x < width(); ++x) {
            const ColourValue want = want_.point(x, y);
            const bool seen = x < w && y < h && now.point(x, y) == want;
            if (!seen) found.push_back({x, y, want, listed_[static_cast<std::size_t>(y) * width() + x]});
        }
    }
    return found;
}

bool CanvasCheck::mostlyWrong(const std::vector<CanvasFault>& faults) const {
    const auto wrongListed = std::count_if(faults.begin(), faults.end(), [](const CanvasFault& f) { return f.listed; });
    const std::int64_t wrong = static_cast<std::int64_t>(faults.size());
    const std::int64_t pixels = static_cast<std::int64_t>(width()) * height();
    return wrong * 2 > pixels || (listed_count_ > 0 && wrongListed * 2 > listed_count_);
}

std::vector<PixelLine> CanvasCheck::repairList(const std::vector<CanvasFault>& faults) const {
    std::vector<CanvasFault> mendable;
    for (const CanvasFault& f : faults)
        if (f.listed || BoardCanShow(rule_, f.want)) mendable.push_back(f);
    std::sort(mendable.begin(), mendable.end(), ListOrder);
    std::vector<PixelLine> lines;
    lines.reserve(mendable.size());
    for (const CanvasFault& f : mendable) lines.push_back(LineOf(f.want, f.x, f.y));
    return lines;
}

}  // namespace mipro
