#include "drawing/strokes.h"

namespace mipro {

bool FileSource::next(PixelLine& px) {
    if (!reader_.next(text_)) return false;
    px = ParsePixelLine(text_);
    return true;
}

bool MemorySource::next(PixelLine& px) {
    if (at_ >= lines_.size()) return false;
    px = lines_[at_++];
    return true;
}

StrokeReader::StrokeReader(PixelSource& source, bool joinRuns, std::function<bool(const PixelLine&)> keep)
    : source_(source), join_runs_(joinRuns), keep_(std::move(keep)) {}

bool StrokeReader::read(PixelLine& px) {
    if (have_ahead_) {
        px = std::move(ahead_);
        have_ahead_ = false;
        return true;
    }
    if (!source_.next(px)) return false;
    if (seen) seen(px);
    return true;
}

bool StrokeReader::continues(const Stroke& stroke, const PixelLine& px) const {
    const PixelLine& first = stroke.first;
    return px.y == first.y && px.x == stroke.lastX + 1 && px.red == first.red && px.green == first.green &&
           px.blue == first.blue && keep_(px);
}

bool StrokeReader::next(Stroke& stroke) {
    stroke = Stroke{};
    PixelLine px;
    // Pixels not drawn still count as read.
    for (;;) {
        if (!read(px)) return false;
        ++stroke.lines;
        if (keep_(px)) break;
    }
    stroke.first = std::move(px);
    stroke.lastX = stroke.first.x;
    if (!join_runs_) return true;
    while (read(ahead_)) {
        if (!continues(stroke, ahead_)) {
            have_ahead_ = true;
            break;
        }
        ++stroke.lines;
        stroke.lastX = ahead_.x;
    }
    return true;
}

}  // namespace mipro
