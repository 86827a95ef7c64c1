// The line a canvas drag paints, point by point. A painter with a stabiliser lets the line lag
// `lag` pixels behind the pointer along the drag, so it ends that many pixels short of the drag's
// last point; with no lag it reaches every point at once.
#pragma once

#include <deque>
#include <vector>

#include "board/geometry.h"

namespace mipro::board {

class Stroke {
public:
    explicit Stroke(int lag) : lag_(lag) {}

    // A press at p starts the line: p is painted at once.
    std::vector<Point> start(Point p);
    // The pointer went on to p: the pixels of the line that fall `lag` pixels behind it, in order.
    std::vector<Point> extend(Point p);

private:
    int lag_;
    Point last_;
    std::deque<Point> lagging_;  // pixels of the line not painted yet, oldest first
};

}  // namespace mipro::board
