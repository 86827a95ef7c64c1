// The practice board's command line:
//   --board oekakiBBS|PaintBBS   --canvas WxH   --pos X,Y   --class SunAwtCanvas|MSAWT_Comp_Class
//   --save-canvas PATH           --report PATH
#pragma once

#include <optional>
#include <string>
#include <vector>

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
