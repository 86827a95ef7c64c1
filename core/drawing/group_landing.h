// At the board's own pace the run draws in groups of strokes and reads each group's pixels back
// from the screen right after it: what the board did not take is drawn again.
#pragma once

#include <optional>
#include <vector>

#include "base/types.h"
#include "drawing/pixel_line.h"
#include "drawing/strokes.h"
#include "wizard/wizard.h"

namespace mipro {

// The pixels of the list a stroke covers: its first pixel and, for a row, those up to its last.
std::vector<PixelLine> PixelsOf(const Stroke& s);

// What the screen shows at these canvas pixels, in their order, read with the pointer resting
// off the canvas (some boards draw a pen under it); nothing when the screen could not be read.
std::optional<std::vector<ColourValue>> LookAtPixels(Wizard& w, const std::vector<PixelLine>& pixels);

// How a group landed.
struct Landing {
    bool seen = true;                 // false: the screen could not be read
    std::vector<PixelLine> missed;    // the pixels that do not show their colour
    std::vector<ColourValue> now;     // what each missed pixel shows
    bool colourWrong = false;         // some pixel shows neither its colour nor what it showed before
};

// The group's pixels once the board has painted what it was given: read again a moment later
// while some pixel differs, until two reads agree. A pixel that shows a colour it showed neither
// before nor should show now was drawn in a colour the board did not take as it was set.
Landing LookAfterGroup(Wizard& w, const std::vector<PixelLine>& pixels, const std::vector<ColourValue>& before);

}  // namespace mipro
