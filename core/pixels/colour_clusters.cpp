#include "pixels/colour_clusters.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "pixels/nearest_lab.h"

namespace mipro {

namespace {

constexpr int kAxes = 3;
// k-means rounds after the median cut: most of what they gain comes in the first few.
constexpr int kRefineRounds = 5;

double Axis(const Lab& p, int axis) { return axis == 0 ? p.L : axis == 1 ? p.a : p.b; }

// A box of the median cut: a range of the points, in an order of their indices, with the sums
// that give its spread.
struct Box {
    std::size_t begin = 0, end = 0;
    double weight = 0;
    std::array<double, kAxes> sum{}, sumOfSquares{};

    // The weighted sum of squared distances from the mean along one axis.
    double spread(int axis) const { return sumOfSquares[axis] - sum[axis] * sum[axis] / weight; }
    double spread() const { return spread(0) + spread(1) + spread(2); }
    bool splittable() const { return end - begin >= 2 && spread() > 0; }
    int widestAxis() const {
        int widest = 0;
        for (int axis = 1; axis < kAxes; ++axis)
            if (spread(axis) > spread(widest)) widest = axis;
        return widest;
    }
    Lab mean() const { return {sum[0] / weight, sum[1] / weight, sum[2] / weight}; }
};

class MedianCut {
public:
    explicit MedianCut(const std::vector<ColourPoint>& points) : points_(points), order_(points.size()) {
        std::iota(order_.begin(), order_.end(), std::size_t{0});
        boxes_.push_back(boxOf(0, order_.size()));
    }

    // Splits the box of the largest spread, until there are `count` boxes or none can be split.
    std::vector<Lab> centres(int count) {
        while (static_cast<int>(boxes_.size()) < count) {
            const int chosen = widestBox();
            if (chosen < 0) break;
            split(static_cast<std::size_t>(chosen));
        }
        std::vector<Lab> result;
        for (const Box& box : boxes_) result.push_back(box.mean());
        return result;
    }

private:
    static void add(Box& box, const ColourPoint& p) {
        box.weight += p.weight;
        for (int axis = 0; axis < kAxes; ++axis) {
            box.sum[axis] += p.weight * Axis(p.lab, axis);
            box.sumOfSquares[axis] += p.weight * Axis(p.lab, axis) * Axis(p.lab, axis);
        }
    }

    // The box's points after those of `part`, which begins with it.
    static Box Remainder(const Box& box, const Box& part) {
        Box rest{part.end, box.end, box.weight - part.weight};
        for (int axis = 0; axis < kAxes; ++axis) {
            rest.sum[axis] = box.sum[axis] - part.sum[axis];
            rest.sumOfSquares[axis] = box.sumOfSquares[axis] - part.sumOfSquares[axis];
        }
        return rest;
    }

    Box boxOf(std::size_t begin, std::size_t end) const {
        Box box{begin, end};
        for (std::size_t i = begin; i < end; ++i) add(box, points_[order_[i]]);
        return box;
    }

    int widestBox() const {
        int widest = -1;
        for (std::size_t i = 0; i < boxes_.size(); ++i) {
            if (!boxes_[i].splittable()) continue;
            if (widest < 0 || boxes_[i].spread() > boxes_[widest].spread()) widest = static_cast<int>(i);
        }
        return widest;
    }

    // Sorts the box along its widest axis and cuts it where the two halves together spread least.
    void split(std::size_t chosen) {
        const Box box = boxes_[chosen];
        const int axis = box.widestAxis();
        std::sort(order_.begin() + box.begin, order_.begin() + box.end, [&](std::size_t p, std::size_t q) {
            const double vp = Axis(points_[p].lab, axis), vq = Axis(points_[q].lab, axis);
            return vp < vq || (vp == vq && p < q);
        });
        Box before{box.begin, box.begin};
        std::size_t cut = box.begin + 1;
        double least = 0;
        for (std::size_t at = box.begin + 1; at < box.end; ++at) {
            add(before, points_[order_[at - 1]]);
            before.end = at;
            const double spread = before.spread() + Remainder(box, before).spread();
            if (at == box.begin + 1 || spread < least) {
                least = spread;
                cut = at;
            }
        }
        boxes_[chosen] = boxOf(box.begin, cut);
        boxes_.push_back(boxOf(cut, box.end));
    }

    const std::vector<ColourPoint>& points_;
    std::vector<std::size_t> order_;
    std::vector<Box> boxes_;
};

// What one round of k-means gathers for each centre from the points nearest to it.
struct Gathered {
    Lab sum;
    double weight = 0;
    bool nearlyWhite = true;
};

std::vector<Gathered> Gather(const std::vector<ColourPoint>& points, const std::vector<Lab>& centres) {
    const NearestLab nearest(centres);
    std::vector<Gathered> gathered(centres.size());
    for (const ColourPoint& p : points) {
        Gathered& g = gathered[static_cast<std::size_t>(nearest.nearest(p.lab))];
        g.sum = {g.sum.L + p.weight * p.lab.L, g.sum.a + p.weight * p.lab.a, g.sum.b + p.weight * p.lab.b};
        g.weight += p.weight;
        g.nearlyWhite = g.nearlyWhite && p.nearlyWhite;
    }
    return gathered;
}

}  // namespace

std::vector<ColourCluster> ClusterColours(const std::vector<ColourPoint>& points, int count) {
    if (points.empty()) return {};
    std::vector<Lab> centres = MedianCut(points).centres(count);
    for (int round = 0; round < kRefineRounds; ++round) {
        const std::vector<Gathered> gathered = Gather(points, centres);
        for (std::size_t k = 0; k < centres.size(); ++k) {
            const Gathered& g = gathered[k];
            if (g.weight > 0) centres[k] = {g.sum.L / g.weight, g.sum.a / g.weight, g.sum.b / g.weight};
        }
    }
    // The clusters as the final centres gather them; a centre nothing is nearest to is left out.
    std::vector<ColourCluster> clusters;
    const std::vector<Gathered> gathered = Gather(points, centres);
    for (std::size_t k = 0; k < centres.size(); ++k) {
        if (gathered[k].weight > 0) clusters.push_back({centres[k], gathered[k].nearlyWhite});
    }
    return clusters;
}

}  // namespace mipro
