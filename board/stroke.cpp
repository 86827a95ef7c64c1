#include "board/stroke.h"

#include "board/shapes.h"

namespace mipro::board {

std::vector<Point> Stroke::start(Point p) {
    last_ = p;
    lagging_.clear();
    return {p};
}

std::vector<Point> Stroke::extend(Point p) {
    const std::vector<Point> line = LinePoints(last_, p);
    lagging_.insert(lagging_.end(), line.begin() + 1, line.end());  // the first is painted already
    last_ = p;
    std::vector<Point> reached;
    while (lagging_.size() > static_cast<std::size_t>(lag_)) {
        reached.push_back(lagging_.front());
        lagging_.pop_front();
    }
    return reached;
}

}  // namespace mipro::board
