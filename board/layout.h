// Where everything lies on a practice board, in board pixels: the canvas, the colour controls of
// each board kind (those of oekakiBBS and PaintBBS placed so that mipro's magnifier guide frames
// fit them), and, as on the real boards, the tool buttons right of the canvas and the colour
// palette below it.
//
// Each colour control has a guide corner: the top-left pixel of the 100 x 100 square the
// magnifier shows when its guide frame lies exactly over the control. The shapes of a control are
// fixed offsets from that corner, the same offsets the guide frames are drawn at (a guide frame
// pixel v covers the source pixel v / 3).
#pragma once

#include <array>

#include "board/geometry.h"

namespace mipro::board {

// ColourCode: the colour typed as a code, "#RRGGBB", into a text field, as the HTML5 painters
// that oekaki boards offer today take it.
enum class Kind { OekakiBBS, PaintBBS, ColourCode };

// How a ColourCode board's field is reached: always there (None); shown beside a "#" button
// once the button is pressed (Button); in a small window over the canvas that the "#" button
// opens (Window).
enum class CodeOpener { None, Button, Window };
enum class Channel { Red, Green, Blue };
constexpr std::array<Channel, 3> kChannels = {Channel::Red, Channel::Green, Channel::Blue};

// The four arrow buttons of an oekakiBBS colour control.
enum class Arrow { TensUp, TensDown, OnesUp, OnesDown };
constexpr std::array<Arrow, 4> kArrows = {Arrow::TensUp, Arrow::TensDown, Arrow::OnesUp, Arrow::OnesDown};

// The drawing tools, one button each, stacked from the top in this order.
enum class Tool { Pen, Brush, Eraser };
constexpr std::array<Tool, 3> kTools = {Tool::Pen, Tool::Brush, Tool::Eraser};

// The palette's colour swatches, in a row from the left.
constexpr int kPaletteColours = 10;

// An oekakiBBS control: the letter, the value bar and four triangular arrow buttons.
struct OekakiControl {
    Rect letter;
    Rect bar;
    Rect tensUp, tensDown, onesUp, onesDown;  // a button is the box of its triangle
    Rect valueText;
};

// A PaintBBS slider: a bracket open at the bottom around a 50-pixel track with its letter.
struct PaintControl {
    Rect bracket;       // top line on row `top`, sides on columns `left` and `right`
    int solidBottom;    // the sides are solid down to here and dotted below, down to `bottom`
    Rect letter;
    Rect track;         // where a press takes hold of the slider: from zero.x to zero.x + 48
    Point zero;         // the slider's reference point: a press here sets 5
    Rect valueText;
    Rect shiftZone;     // where a press with Shift held steps the value: the track's rows, zero.x - 3 to zero.x + 52
};

class Layout {
public:
    Layout(Kind kind, Size canvas, CodeOpener opener = CodeOpener::None);

    Kind kind() const { return kind_; }
    CodeOpener opener() const { return opener_; }
    Size boardSize() const { return board_; }
    Point canvasOrigin() const { return kCanvasOrigin; }
    Size canvasSize() const { return canvas_; }
    Rect canvasRect() const;

    // The guide corner of the canvas: its first pixel lies 50 pixels right and below it.
    Point canvasGuideCorner() const;
    Point guideCorner(Channel c) const;

    OekakiControl oekakiControl(Channel c) const;
    Rect arrowButton(Channel c, Arrow a) const;
    // Where mipro clicks the button: the tens or ones column crossed with the up or down row.
    Point arrowPoint(Channel c, Arrow a) const;

    PaintControl paintControl(Channel c) const;

    // ColourCode: the "#" button (Button and Window openers), the code field (in the Window opener,
    // where it lies inside the window once that is open), the window over the canvas with its
    // close button, and the swatch of the current colour with its eyedropper icon in the middle.
    Rect codeOpener() const;
    Rect codeField() const;
    Rect codeWindow() const;
    Rect codeClose() const;
    // A pixel of the code window's own face, clear of its mark, field and close button.
    Point codeWindowFace() const;
    Rect colourSwatch() const;
    // A pixel of the swatch that shows the current colour, clear of its border and its icon.
    Point swatchPixel() const;
    Rect swatchIcon() const;

    // A tool's button, in a column starting a few pixels right of the canvas, level with its top.
    Rect toolButton(Tool t) const;
    // Swatch 0 to kPaletteColours - 1, in a row starting a few pixels below the canvas and the tool
    // column, level with the canvas's left edge.
    Rect swatch(int index) const;

    static constexpr int kMaxCanvasSide = 2000;

private:
    static constexpr Point kCanvasOrigin{140, 12};

    Kind kind_;
    CodeOpener opener_;
    Size canvas_;
    Size board_;
};

}  // namespace mipro::board
