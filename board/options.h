// The practice board's command line:
//   --board oekakiBBS|PaintBBS   --canvas WxH   --pos X,Y   --class SunAwtCanvas|MSAWT_Comp_Class
//   --save-canvas PATH           --report PATH      --busy N,K
// --canvas sets the canvas's size, each side 1 to 2000 pixels, whatever the size of the picture
// drawn into it;
// --busy N,K makes a busy board that misses every N-th of its first K canvas presses.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "board/busy_pattern.h"
#include "board/geometry.h"
#include "board/layout.h"

namespace mipro::board {

inline constexpr const char* kSunCanvasClass = "SunAwtCanvas";
inline constexpr const char* kMicrosoftCanvasClass = "MSAWT_Comp_Class";

struct Options {
    Kind kind = Kind::OekakiBBS;
    Size canvas{300, 300};
    std::optional<Point> position;  // of the window; the system chooses when absent
    std::string className = kSunCanvasClass;
    std::string saveCanvasPath;  // UTF-8; empty when the canvas is not to be saved
    std::string reportPath;      // UTF-8; empty when no report is wanted
    BusyPattern busy;            // never busy unless asked
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
