// Recording a confirmed magnifier position into the capture record, and where the magnifier
// reopens.
#pragma once

#include <cstdint>
#include <optional>

#include "targeting/magnifier_geometry.h"
#include "wizard/state.h"

namespace mipro {

// The step whose capture takes the three colour controls; every other step takes the canvas origin.
constexpr std::int32_t kColourControlStep = 5;
constexpr int kChannelCount = 3;

// Where the guides put the buttons, the slider's zero end and the canvas's first pixel, within the
// magnified square: the points a confirmation derives.
constexpr std::int32_t kUpButtonDX = 69, kUpButtonDY = 41;
constexpr std::int32_t kDownButtonDX = 89, kDownButtonDY = 52;
constexpr std::int32_t kSliderDX = 26, kSliderDY = 46;
constexpr std::int32_t kCanvasDX = 50, kCanvasDY = 50;

// What one confirmation writes: the window position in twips, the pointer p, the step, the board
// kind and the channels confirmed before it. The ...Mag member gets p, the derived points come
// from the window position alone.
struct Confirmation {
    std::int32_t step = 0;
    int boardKind = 0;
    int subPos = 0;
    TwipsPoint window;
    ScreenPoint pointer;
};

void RecordCapture(CaptureRecord& rec, const MagnifierGeometry& g, std::int32_t twipsX, std::int32_t twipsY,
                   const Confirmation& c);

// The ...Mag member of a channel (0 red, 1 green, 2 blue) in the colour-control step, or of the
// origin in any other step; nothing when it was never captured (x is 0).
std::optional<ScreenPoint> CapturedMagPoint(const CaptureRecord& rec, std::int32_t step, int boardKind, int channel);

// The same member whether captured or not.
ScreenPoint MagPoint(const CaptureRecord& rec, std::int32_t step, int boardKind, int channel);

}  // namespace mipro
