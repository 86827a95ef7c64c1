// The board's report for test drivers: where its parts lie on the screen, its current values and
// the input it has received. A text file of lines, each a name and whole numbers separated by
// single spaces; positions are screen pixels:
//
//   kind K                 0 for oekakiBBS, 1 for PaintBBS, 2 for ColourCode
//   board L T W H          the board window: top-left corner and size
//   canvas X Y W H         the canvas's first pixel and the canvas size
//   canvas_guide X Y       the magnifier square's corner that lines the corner guide up with the canvas
//   red_guide X Y          oekakiBBS and PaintBBS: likewise for the red control (green_..., blue_...
//                          follow the same pattern)
//   red_tens_up X Y        oekakiBBS: where mipro clicks each arrow button (tens_down, ones_up, ones_down)
//   red_slider X Y         PaintBBS: the slider's reference point, where a press sets 5
//   code_field X Y         ColourCode: a point inside the code field where it is shown (with the
//                          window opener, where it lies once the window is open)
//   code_open X Y          ColourCode with the button or window opener: the "#" button's centre
//   code_close X Y         ColourCode with the window opener: the window's close button's centre
//   code_window_face X Y   ColourCode with the window opener: a pixel of the window's bare face
//   swatch X Y             ColourCode: a pixel of the current colour's swatch clear of its icon
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
//                          when never busy) and D the canvas presses it missed so far
//   busy_ms N D            the busy pace (a canvas press less than N ms after the last one taken
//                          is missed, 0 for any pace) and D the canvas presses missed for it
//   window_presses N       presses on the ColourCode window, which never reach the canvas below
//   keys F E S D           characters typed into the code field, Enter pressed in it, keys (but
//                          Shift and Control) that reached the board with no field focused, and
//                          D of those Backspace or Delete, which cleared the canvas
//   codes N                colour codes the field applied
//   stabiliser N           how many pixels a canvas drag's line lags behind the pointer
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
