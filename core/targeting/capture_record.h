// Recording a confirmed magnifier position into the capture record, and where the magnifier
// reopens.
//
// The colour-control step captures the places of the chosen board's colour controls, one after the
// other, each in a slot of its own: oekakiBBS and PaintBBS a red, a green and a blue control
// (slots 0, 1, 2); the code kind the button that opens the code's field (slot 0), the field (1),
// the place showing the board's current colour (2) and the button that closes the field's window
// (3), the two buttons only where the user says the board has them. Every other step captures the
// canvas origin.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "targeting/magnifier_geometry.h"
#include "wizard/state.h"

namespace mipro {

// The step whose capture takes the colour controls; every other step takes the canvas origin.
constexpr std::int32_t kColourControlStep = 5;
constexpr int kChannelCount = 3;

// The code kind's slots.
constexpr int kCodeOpenSlot = 0;
constexpr int kCodeFieldSlot = 1;
constexpr int kCodeSwatchSlot = 2;
constexpr int kCodeCloseSlot = 3;

// Where the guides put the buttons, the slider's zero end, the canvas's first pixel and the code
// kind's points, within the magnified square: the points a confirmation derives.
constexpr std::int32_t kUpButtonDX = 69, kUpButtonDY = 41;
constexpr std::int32_t kDownButtonDX = 89, kDownButtonDY = 52;
constexpr std::int32_t kSliderDX = 26, kSliderDY = 46;
constexpr std::int32_t kCanvasDX = 50, kCanvasDY = 50;
constexpr std::int32_t kMarkDX = 50, kMarkDY = 50;

// What one confirmation writes: the window position in twips, the pointer p, the step, the board
// kind and the slot confirmed. The ...Mag member gets p, the derived points come from the window
// position alone.
struct Confirmation {
    std::int32_t step = 0;
    int boardKind = 0;
    int slot = 0;
    TwipsPoint window;
    ScreenPoint pointer;
};

void RecordCapture(CaptureRecord& rec, const MagnifierGeometry& g, std::int32_t twipsX, std::int32_t twipsY,
                   const Confirmation& c);

// The slots a capture of the step takes, in order: the colour controls the chosen board has (the
// code kind's buttons as its choices say), or the one slot of the canvas origin.
std::vector<int> CaptureSlots(std::int32_t step, int boardKind, const CodeChoices& choices);

// The guide frame shown for a slot.
int GuideFrameFor(std::int32_t step, int boardKind, int slot);

// The ...Mag member of a slot; nothing when it was never captured (x is 0).
std::optional<ScreenPoint> CapturedMagPoint(const CaptureRecord& rec, std::int32_t step, int boardKind, int slot);

// The same member whether captured or not.
ScreenPoint MagPoint(const CaptureRecord& rec, std::int32_t step, int boardKind, int slot);

// Whether every slot of the step has been captured.
bool AllSlotsCaptured(const CaptureRecord& rec, std::int32_t step, int boardKind, const CodeChoices& choices);

}  // namespace mipro
