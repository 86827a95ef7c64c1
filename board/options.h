// The practice board's command line:
//   --board oekakiBBS|PaintBBS|ColourCode   --canvas WxH   --pos X,Y
//   --class SunAwtCanvas|MSAWT_Comp_Class   --save-canvas PATH   --report PATH
//   --busy N,K   --busy-ms N   --stabiliser N   --pen-cursor on|off
//   --opener none|button|window   --drop-focus K
// --canvas sets the canvas's size, each side 1 to 2000 pixels, whatever the size of the picture
// drawn into it;
// --busy N,K makes a busy board that misses every N-th of its first K canvas presses;
// --busy-ms N makes a board that misses a canvas press coming less than N ms after the last
// canvas press it took;
// --stabiliser N lets a canvas drag's line lag N pixels behind the pointer, so it ends N pixels
// short (0, the default: no lag);
// --pen-cursor draws a pen cursor at the pointer over the canvas (on for ColourCode, off for the
// others unless asked);
// --opener says how a ColourCode board's code field is reached (none: always there, the default;
// button: beside a "#" button; window: in a window over the canvas that "#" opens), and
// --drop-focus K makes the K-th press on the field or opening by "#" miss the focus, once.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "board/board_setup.h"
#include "board/geometry.h"

namespace mipro::board {

inline constexpr const char* kSunCanvasClass = "SunAwtCanvas";
inline constexpr const char* kMicrosoftCanvasClass = "MSAWT_Comp_Class";

struct Options {
    BoardSetup board;
    std::optional<Point> position;  // of the window; the system chooses when absent
    std::string className = kSunCanvasClass;
    std::string saveCanvasPath;  // UTF-8; empty when the canvas is not to be saved
    std::string reportPath;      // UTF-8; empty when no report is wanted
};

struct ParsedOptions {
    Options options;
    std::string error;  // empty when the command line was understood
};

// args: the arguments after the program name, in UTF-8.
ParsedOptions ParseOptions(const std::vector<std::string>& args);

std::string KindName(Kind kind);
// The window title: "練習ボード - " and the board kind.
std::string BoardTitle(Kind kind);

}  // namespace mipro::board
