// The palette's colours before the board has its say, all in OKLab: the points are split into
// boxes as by median cut (the box of the largest spread is cut along its widest axis), each cut
// where its two halves together spread least rather than at the median, which would part two
// near colours as readily as two far ones; a few rounds of k-means then refine the boxes' means.
#pragma once

#include <vector>

#include "pixels/colour_points.h"

namespace mipro {

struct ColourCluster {
    Lab centre;               // where the rounds of k-means left it
    bool nearlyWhite = true;  // every colour of its points is nearly white
};

// At most `count` clusters, none empty; fewer when there are fewer points. The same points give
// the same clusters.
std::vector<ColourCluster> ClusterColours(const std::vector<ColourPoint>& points, int count);

}  // namespace mipro
