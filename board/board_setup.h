// What a practice board is made with: its kind, its canvas and how it behaves.
#pragma once

#include <optional>

#include "board/busy_pattern.h"
#include "board/layout.h"

namespace mipro::board {

struct BoardSetup {
    Kind kind = Kind::OekakiBBS;
    Size canvas{300, 300};
    BusyPattern busy;  // never busy unless asked
    // A board that cannot keep up misses a canvas press coming less than this many milliseconds
    // after the last canvas press it took; 0: it keeps up with any pace.
    int busyMs = 0;
    CodeOpener opener = CodeOpener::None;  // ColourCode: how the code field is reached
    // ColourCode: the dropFocus-th request for the field's focus is missed, once; 0: never.
    int dropFocus = 0;
    // A canvas drag's line lags this many pixels behind the pointer and ends that much short.
    int stabiliser = 0;
    // A pen cursor drawn at the pointer over the canvas; when not given, on for ColourCode only.
    std::optional<bool> penCursor;

    bool showsPenCursor() const { return penCursor.value_or(kind == Kind::ColourCode); }
};

}  // namespace mipro::board
