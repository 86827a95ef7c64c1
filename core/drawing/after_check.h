// The check of the canvas after a board run, and the repair passes: the canvas is read back, the
// pixels that differ from what they should show are drawn again, pass after pass while a pass still
// mends something, and what could not be mended is told to the user.
#pragma once

#include <optional>
#include <vector>

#include "base/types.h"
#include "drawing/board_pace.h"
#include "drawing/canvas_check.h"
#include "drawing/pen_trust.h"
#include "wizard/wizard.h"

namespace mipro {

// The canvas's rectangle on the screen: the origin and the size found on page 6, or the picture's
// size while no canvas size is known.
ScreenRect CheckedRect(const State& st);

// Reads the canvas before the first click, once the screen has settled (two reads agree); nothing
// when the screen could not be read. The caption reads " 描画を確認しています..." while it reads, as
// at every read of the check, and is given back after.
std::optional<CanvasCheck> ReadCanvasBefore(Wizard& w);

enum class CheckEnd {
    Exact,       // every pixel shows what it should
    Unmended,    // some pixels still differ
    Unreadable,  // the screen could not be read
    Misread,     // the canvas did not look like the drawn canvas at all: nothing was redrawn
    Moved,       // the canvas's surroundings were not as when its origin was captured: nothing was redrawn
    Stopped,     // the user stopped a repair pass
    ColourNotSet,   // a repair pass met a colour the board did not take (the code kind)
    CanvasCovered,  // a repair pass found the board's code window over the canvas
};

struct CheckResult {
    CheckEnd end = CheckEnd::Exact;
    std::vector<CanvasFault> unmended;
};

// After the last pixel and before the colour reset; the progress caption shows the check and
// each repair pass. Every read rests the pointer off the canvas first, and is trusted only when
// the canvas's surroundings show as when its origin was captured and it is not mostly wrong.
// At the board's own pace (pace given) the repairs are drawn in groups read back as the list's.
CheckResult CheckAndRepair(Wizard& w, CanvasCheck& check, ScreenPoint& P, PenTrust& pen, BoardPace* pace);

// At the very end of the run: what could not be mended (how many, and where), or why there was no
// check, in the caption and a message. Nothing when the canvas is exact.
void ReportCheck(Wizard& w, const CheckResult& result);

}  // namespace mipro
