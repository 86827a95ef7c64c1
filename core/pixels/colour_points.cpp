#include "pixels/colour_points.h"

#include <algorithm>
#include <numeric>

namespace mipro {

namespace {

constexpr int kComponentBits = 8;

// The colour with the lowest `dropped` bits of each component cleared.
ColourValue GroupOf(ColourValue c, int dropped) {
    const int mask = (0xFF >> dropped) << dropped;
    return ColourFromRgb(RedOf(c) & mask, GreenOf(c) & mask, BlueOf(c) & mask);
}

std::size_t DistinctGroups(const std::vector<ColourCount>& colours, int dropped) {
    std::vector<ColourValue> groups;
    groups.reserve(colours.size());
    for (const ColourCount& c : colours) groups.push_back(GroupOf(c.colour, dropped));
    std::sort(groups.begin(), groups.end());
    return static_cast<std::size_t>(std::unique(groups.begin(), groups.end()) - groups.begin());
}

}  // namespace

std::vector<ColourCount> CountColours(const Picture& picture) {
    std::vector<ColourValue> all;
    all.reserve(static_cast<std::size_t>(picture.width()) * picture.height());
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.point(x, y) != kPureWhite) all.push_back(picture.point(x, y));
    std::sort(all.begin(), all.end());

    std::vector<ColourCount> counts;
    for (const ColourValue c : all) {
        if (counts.empty() || counts.back().colour != c) counts.push_back({c, 0});
        ++counts.back().pixels;
    }
    return counts;
}

std::vector<ColourPoint> PointsOf(const std::vector<ColourCount>& colours, std::size_t maxPoints) {
    int dropped = 0;
    while (dropped < kComponentBits - 1 && DistinctGroups(colours, dropped) > maxPoints) ++dropped;

    // The colours in order of their group, each group in ascending order of colour.
    std::vector<std::size_t> order(colours.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t p, std::size_t q) {
        return GroupOf(colours[p].colour, dropped) < GroupOf(colours[q].colour, dropped);
    });

    std::vector<ColourPoint> points;
    ColourValue group = -1;
    for (const std::size_t i : order) {
        const ColourCount& c = colours[i];
        if (points.empty() || GroupOf(c.colour, dropped) != group) {
            group = GroupOf(c.colour, dropped);
            points.emplace_back();
        }
        ColourPoint& p = points.back();
        const Lab lab = LabOf(c.colour);
        p.lab.L += c.pixels * lab.L;
        p.lab.a += c.pixels * lab.a;
        p.lab.b += c.pixels * lab.b;
        p.weight += c.pixels;
        p.nearlyWhite = p.nearlyWhite && NearlyWhite(c.colour);
    }
    for (ColourPoint& p : points) p.lab = {p.lab.L / p.weight, p.lab.a / p.weight, p.lab.b / p.weight};
    return points;
}

}  // namespace mipro
