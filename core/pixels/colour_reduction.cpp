#include "pixels/colour_reduction.h"

#include <algorithm>
#include <array>

#include "base/colour.h"
#include "base/nearest_int.h"
#include "pixels/colour_clusters.h"
#include "pixels/nearest_lab.h"

namespace mipro {

namespace {

// Beyond this many colours, similar colours are grouped before the palette is built from them.
constexpr std::size_t kMostPoints = 32768;
constexpr int kBelowNearlyWhite = kNearlyWhiteFrom - 1;
constexpr double kTopValue = 255.0;
// Floyd and Steinberg's shares of a pixel's error, in sixteenths: ahead, behind below, below, ahead below.
constexpr double kAhead = 7 / 16.0, kBehindBelow = 3 / 16.0, kBelow = 5 / 16.0, kAheadBelow = 1 / 16.0;

ColourValue BelowNearlyWhite(ColourValue c) {
    return ColourFromRgb(std::min(RedOf(c), kBelowNearlyWhite), std::min(GreenOf(c), kBelowNearlyWhite),
                         std::min(BlueOf(c), kBelowNearlyWhite));
}

// The clusters' colours as the board shows them, once each.
std::vector<ColourValue> ShownColours(const std::vector<ColourCluster>& clusters, ShowableColour showable) {
    std::vector<ColourValue> shown;
    for (const ColourCluster& cluster : clusters) {
        const ColourValue centre = ColourOf(cluster.centre);
        ColourValue colour = showable(centre);
        if (colour == kPureWhite && !cluster.nearlyWhite) colour = showable(BelowNearlyWhite(centre));
        if (std::find(shown.begin(), shown.end(), colour) == shown.end()) shown.push_back(colour);
    }
    return shown;
}

std::vector<Lab> LabsOf(const std::vector<ColourValue>& colours) {
    std::vector<Lab> labs;
    for (const ColourValue c : colours) labs.push_back(LabOf(c));
    return labs;
}

int WhiteIn(const std::vector<ColourValue>& colours) {
    const auto at = std::find(colours.begin(), colours.end(), kPureWhite);
    return at == colours.end() ? -1 : static_cast<int>(at - colours.begin());
}

class Palette {
public:
    Palette(const std::vector<ColourCluster>& clusters, ShowableColour showable)
        : colours_(ShownColours(clusters, showable)), nearest_(LabsOf(colours_)), white_(WhiteIn(colours_)) {}

    // The palette colour for a pixel of colour `original`, seen as `seen` (itself, or itself with
    // the error its neighbours left): white only for a pixel that was nearly white.
    ColourValue colourFor(ColourValue seen, ColourValue original) const {
        const int skip = NearlyWhite(original) ? -1 : white_;
        return colours_[static_cast<std::size_t>(nearest_.nearest(LabOf(seen), skip))];
    }

private:
    const std::vector<ColourValue> colours_;
    const NearestLab nearest_;
    const int white_;
};

Picture MapToNearest(const Picture& picture, const Palette& palette) {
    Picture reduced(picture.width(), picture.height());
    ColourValue last = kPureWhite, lastChosen = kPureWhite;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const ColourValue c = picture.point(x, y);
            if (c == kPureWhite) continue;
            if (c != last) {
                last = c;
                lastChosen = palette.colourFor(c, c);
            }
            reduced.setPoint(x, y, lastChosen);
        }
    }
    return reduced;
}

using Error = std::array<double, 3>;

std::array<int, 3> Components(ColourValue c) { return {RedOf(c), GreenOf(c), BlueOf(c)}; }

// Floyd-Steinberg error diffusion, rows in turn from the left and from the right. A pixel's
// colour plus the error it was left is kept within 0 to 255; pure white pixels are skipped.
Picture Dither(const Picture& picture, const Palette& palette) {
    const int width = picture.width();
    Picture reduced(width, picture.height());
    // The errors left for this row and the next, one element of margin on either side.
    std::vector<Error> row(static_cast<std::size_t>(width) + 2), next(row.size());
    for (int y = 0; y < picture.height(); ++y) {
        const int ahead = y % 2 == 0 ? 1 : -1;
        std::fill(next.begin(), next.end(), Error{});
        for (int i = 0; i < width; ++i) {
            const int x = ahead > 0 ? i : width - 1 - i;
            const ColourValue original = picture.point(x, y);
            if (original == kPureWhite) continue;
            const std::size_t at = static_cast<std::size_t>(x) + 1;
            const std::array<int, 3> own = Components(original);
            Error wanted;
            for (int k = 0; k < 3; ++k) wanted[k] = std::clamp(own[k] + row[at][k], 0.0, kTopValue);
            const ColourValue chosen = palette.colourFor(
                ColourFromRgb(NearestInt(wanted[0]), NearestInt(wanted[1]), NearestInt(wanted[2])), original);
            reduced.setPoint(x, y, chosen);
            const std::array<int, 3> shown = Components(chosen);
            for (int k = 0; k < 3; ++k) {
                const double error = wanted[k] - shown[k];
                row[at + ahead][k] += error * kAhead;
                next[at - ahead][k] += error * kBehindBelow;
                next[at][k] += error * kBelow;
                next[at + ahead][k] += error * kAheadBelow;
            }
        }
        row.swap(next);
    }
    return reduced;
}

}  // namespace

ColourValue AnyColour(ColourValue colour) { return colour; }

ColourValue MultipleOfFive(ColourValue colour) {
    const auto nearest = [](int component) { return (component + 2) / 5 * 5; };
    return ColourFromRgb(nearest(RedOf(colour)), nearest(GreenOf(colour)), nearest(BlueOf(colour)));
}

Picture ReduceColours(const Picture& picture, const ColourReduction& how) {
    const std::vector<ColourCount> colours = CountColours(picture);
    if (colours.size() <= static_cast<std::size_t>(how.colours)) return picture;
    const Palette palette(ClusterColours(PointsOf(colours, kMostPoints), how.colours), how.showable);
    return how.dither ? Dither(picture, palette) : MapToNearest(picture, palette);
}

}  // namespace mipro
