// The practice board's model: a canvas, the current colour and tool, the colour controls of one
// board kind, the tool buttons and the palette, driven by the left button and the pointer as a
// window system delivers them.
#pragma once

#include <array>

#include "board/busy_pattern.h"
#include "board/input_record.h"
#include "board/layout.h"
#include "board/press_record.h"
#include "board/raster.h"

namespace mipro::board {

class Board {
public:
    Board(Kind kind, Size canvas, BusyPattern busy = {});

    // Input at a point in board pixels. A button-down while the button is already held (injected
    // input can send several without a release) continues the drag to that point.
    // On the canvas a press paints with the current tool at the point under the pointer, and a
    // drag paints a line from each point it is reported at to the next, like a pen; the release
    // paints nothing. A press on a control, a tool button or a swatch acts at once.
    void buttonDown(Point p);
    void buttonUp(Point p);
    void move(Point p);
    // The window system took the mouse away while the button was held: the drag ends without a
    // release, and the next button-down is a fresh press.
    void loseHold();

    const Layout& layout() const { return layout_; }
    int value(Channel c) const { return values_[static_cast<int>(c)]; }
    Colour colour() const;
    Tool tool() const { return tool_; }
    // Canvas pixel (0, 0) lies at layout().canvasOrigin().
    const Raster& canvas() const { return canvas_; }
    const InputRecord& input() const { return input_; }
    const PressRecord& presses() const { return presses_; }
    const BusyPattern& busy() const { return busy_; }
    // Canvas presses the busy board missed.
    long dropped() const { return dropped_; }
    bool buttonHeld() const { return held_; }

private:
    // What a press took hold of, which decides what a drag does.
    enum class Grip { Nothing, Canvas, Slider };

    void press(Point p);
    void pressCanvas(Point p);
    PressPlace pressElsewhere(Point p);
    void drag(Point p);
    void paintTo(Point p);
    bool pressArrow(Point p);
    bool pressSlider(Point p);
    bool pressTool(Point p);
    bool pressSwatch(Point p);
    int& valueOf(Channel c) { return values_[static_cast<int>(c)]; }

    Layout layout_;
    Raster canvas_;
    BusyPattern busy_;
    std::array<int, 3> values_{0, 0, 0};
    Tool tool_ = Tool::Pen;
    bool held_ = false;
    Grip grip_ = Grip::Nothing;
    Channel gripped_ = Channel::Red;
    Point penAt_;  // where the line a canvas drag paints goes on from
    long canvasPresses_ = 0;
    long dropped_ = 0;
    InputRecord input_;
    PressRecord presses_;
};

}  // namespace mipro::board
