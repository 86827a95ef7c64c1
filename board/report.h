// The board's report for test drivers: where its parts lie on the screen, its current values and
// the input it has received. A text file of lines, each a name and whole numbers separated by
// single spaces; positions are screen pixels:
//
//   kind K                 0 for oekakiBBS, 1 for PaintBBS
//   board L T W H          the board window: top-left corner and size
//   canvas X Y W H         the canvas's first pixel and the canvas size
//   canvas_guide X Y       the magnifier square's corner that lines the corner guide up with the canvas
//   red_guide X Y          likewise for the red control (green_..., blue_... follow the same pattern)
//   red_tens_up X Y        oekakiBBS: where mipro clicks each arrow button (tens_down, ones_up, ones_down)
//   red_slider X Y         PaintBBS: the slider's reference point, where a press sets 5
//   values R G B           the current colour components
//   input M D U            moves, button-downs and button-ups received so far
//   event K X Y            the latest events, oldest first: K 0 move, 1 button-down, 2 button-up
//   tool T                 the current tool: 0 pen, 1 brush, 2 eraser
//   pen_tool X Y           where each tool's button lies: its centre (brush_tool, eraser_tool likewise)
//   palette X Y W H        the palette row: its first swatch's top-left pixel, the row's size
//   presses C K T P B      fresh presses (not the button-downs that go on with a drag) on the canvas,
//                          on the colour controls (arrow buttons, slider tracks), on the tool buttons,
//                          on the palette's swatches and on the bare board
//   stray N M              presses on neither the canvas nor a colour control; M of them changed
//                          the tool or the colour
//   stray_press K X Y C    the first stray presses, oldest first: K the place as in presses (2 tool
//                          button, 3 swatch, 4 bare board), C 1 when it changed the tool or colour
//   busy N K D             the busy pattern (every N-th of the first K canvas presses missed, 0 0
//                          when never busy) and D the canvas presses missed so far
#pragma once

#include <string>
#include <vector>

#include "board/board.h"

namespace mipro::board {

struct ReportItem {
    std::string name;
    std::vector<long> numbers;
};

class Report {
public:
    explicit Report(std::vector<ReportItem> items) : items_(std::move(items)) {}
    // The numbers of the first item of that name; empty when there is none.
    std::vector<long> find(const std::string& name) const;
    std::vector<ReportItem> all(const std::string& name) const;
    const std::vector<ReportItem>& items() const { return items_; }

private:
    std::vector<ReportItem> items_;
};

// screenOrigin: where the board's pixel (0, 0) lies on the screen.
std::string ReportText(const Board& board, Point screenOrigin);
Report ParseReport(const std::string& text);

std::string ChannelName(Channel c);
std::string ArrowName(Arrow a);
std::string ToolName(Tool t);

}  // namespace mipro::board
