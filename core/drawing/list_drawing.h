// Drawing a pixel list: for each stroke the board's colour is set, the pointer put on the first
// pixel, the user's hand looked for, and the pixel clicked or the row dragged, the hand looked for
// again before the stroke counts as drawn; or, on the desktop, the pixel painted. At the board's
// own pace the strokes go in groups, each read back after it and what did not land drawn again.
// Used for the list itself and for the repairs after the check.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/types.h"
#include "drawing/board_pace.h"
#include "drawing/pen_trust.h"
#include "drawing/strokes.h"
#include "wizard/wizard.h"

namespace mipro {

struct ListDrawing {
    std::int32_t total = 0;                      // lines in the list, for the percentage
    std::function<std::string(int)> caption;     // the progress caption for a whole percentage
    std::function<bool(const PixelLine&)> keep;  // the pixels drawn; the others are passed over
    std::function<void(const PixelLine&)> seen;  // told of every line read, kept or not
    PenTrust* pen = nullptr;                     // where rows drawn as lines are looked at
    BoardPace* pace = nullptr;                   // at the board's own pace: groups read back
};

// How drawing a list ended.
enum class ListEnd {
    Drawn,          // every stroke drawn
    Stopped,        // the user chose to stop after moving the mouse
    ColourNotSet,   // the board did not take a colour (the code kind): nothing was drawn with it
    CanvasCovered,  // the board's code window lay over the canvas: nothing was drawn with the colour
};

ListEnd DrawPixelList(Wizard& w, PixelSource& source, const ListDrawing& how, ScreenPoint& P);

// The message and caption for a list that ended before a colour the board did not take.
void ReportColourNotTaken(Wizard& w, ListEnd end);

// The pixel's place on the screen in desktop mode.
ScreenPoint DesktopPoint(const State& st, const PixelLine& px);

// "描画を続けますか？": false when the user chose not to go on; true after refocusing the board
// when they did.
bool GoOnAfterHandMoved(Wizard& w);

// A left click where the pointer is, with a pause after the press and after the release.
void ClickHere(Wizard& w, int holdMs, int afterMs);

}  // namespace mipro
