#include "pixels/nearest_lab.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace mipro {

NearestLab::NearestLab(std::vector<Lab> entries) : entries_(std::move(entries)), byLightness_(entries_.size()) {
    std::iota(byLightness_.begin(), byLightness_.end(), 0);
    std::sort(byLightness_.begin(), byLightness_.end(), [&](int p, int q) {
        return entries_[p].L < entries_[q].L || (entries_[p].L == entries_[q].L && p < q);
    });
    for (const int e : byLightness_) lightness_.push_back(entries_[e].L);
}

int NearestLab::nearest(const Lab& lab, int skip) const {
    int best = -1;
    double bestDistance = std::numeric_limits<double>::infinity();
    const auto consider = [&](std::ptrdiff_t at) {
        const int e = byLightness_[at];
        if (e == skip) return;
        const double d = DistanceSquared(entries_[e], lab);
        if (d < bestDistance || (d == bestDistance && e < best)) {
            best = e;
            bestDistance = d;
        }
    };
    const std::ptrdiff_t count = static_cast<std::ptrdiff_t>(lightness_.size());
    std::ptrdiff_t up = std::lower_bound(lightness_.begin(), lightness_.end(), lab.L) - lightness_.begin();
    std::ptrdiff_t down = up - 1;
    for (;;) {
        const double upGap = up < count ? lightness_[up] - lab.L : 0;
        const double downGap = down >= 0 ? lab.L - lightness_[down] : 0;
        const bool upOpen = up < count && upGap * upGap <= bestDistance;
        const bool downOpen = down >= 0 && downGap * downGap <= bestDistance;
        if (!upOpen && !downOpen) break;
        if (upOpen && (!downOpen || upGap <= downGap)) {
            consider(up++);
        } else {
            consider(down--);
        }
    }
    return best;
}

}  // namespace mipro
