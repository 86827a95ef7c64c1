// The check of a board's canvas after a run: what each pixel should show (a listed pixel the
// colour the board shows for it, every other pixel what the canvas showed before the run), the
// pixels that differ, and the list that redraws those the board can mend.
#pragma once

#include <cstdint>
#include <vector>

#include "base/picture.h"
#include "drawing/board_colour.h"
#include "drawing/pixel_line.h"

namespace mipro {

// A canvas pixel that does not show what it should.
struct CanvasFault {
    std::int32_t x = 0;
    std::int32_t y = 0;
    ColourValue want = 0;
    bool listed = false;  // drawn by the run, rather than left alone
};

class CanvasCheck {
public:
    // before: the canvas as read before the first click, pixel (0, 0) at the canvas's origin.
    // beforeInPlace: whether the canvas's surroundings showed then as when its origin was captured;
    // a read that did not is no measure of the canvas.
    CanvasCheck(Picture before, ColourRule rule, bool beforeInPlace = true);

    bool beforeInPlace() const { return before_in_place_; }

    int width() const { return want_.width(); }
    int height() const { return want_.height(); }
    bool inside(std::int32_t x, std::int32_t y) const { return x >= 0 && y >= 0 && x < width() && y < height(); }

    // A pixel of the list: it should show the colour the board gives its line. Outside the canvas
    // it is not checked.
    void expect(const PixelLine& px);
    std::int32_t listedCount() const { return listed_count_; }

    // The pixels of `now` (read as `before` was) that differ from what they should show.
    std::vector<CanvasFault> faults(const Picture& now) const;

    // More than half of the canvas's pixels wrong, or more than half of the listed ones: the read
    // is not of the canvas as drawn (another window over it, the page scrolled, the zoom not 1:1,
    // a read that failed to black), so nothing should be redrawn.
    bool mostlyWrong(const std::vector<CanvasFault>& faults) const;

    // The faults the board can mend, as lines of a pixel list in its order: by colour, then row,
    // then column. A pixel left alone whose earlier colour the board cannot set stays a fault.
    std::vector<PixelLine> repairList(const std::vector<CanvasFault>& faults) const;

private:
    ColourRule rule_;
    bool before_in_place_;
    Picture want_;
    std::vector<bool> listed_;
    std::int32_t listed_count_ = 0;
};

}  // namespace mipro
