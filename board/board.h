// The practice board's model: a canvas, the current colour and the colour controls of one board
// kind, driven by the left button and the pointer as a window system delivers them.
#pragma once

#include <array>

#include "board/input_record.h"
#include "board/layout.h"
#include "board/raster.h"

namespace mipro::board {

class Board {
public:
    Board(Kind kind, Size canvas);

    // Input at a point in board pixels. A button-down while the button is already held (injected
    // input can send several without a release) continues the drag to that point.
    // On the canvas a press paints the pixel under the pointer, and a drag paints each point it is
    // reported at, like a pen; the release paints nothing. A press on a control acts at once.
    void buttonDown(Point p);
    void buttonUp(Point p);
    void move(Point p);
    // The window system took the mouse away while the button was held: the drag ends without a
    // release, and the next button-down is a fresh press.
    void loseHold();

    const Layout& layout() const { return layout_; }
    int value(Channel c) const { return values_[static_cast<int>(c)]; }
    Colour colour() const;
    // Canvas pixel (0, 0) lies at layout().canvasOrigin().
    const Raster& canvas() const { return canvas_; }
    const InputRecord& input() const { return input_; }
    bool buttonHeld() const { return held_; }

private:
    // What a press took hold of, which decides what a drag does.
    enum class Grip { Nothing, Canvas, Slider };

    void press(Point p);
    void drag(Point p);
    void paint(Point p);
    void pressArrow(Point p);
    bool pressSlider(Point p);
    int& valueOf(Channel c) { return values_[static_cast<int>(c)]; }

    Layout layout_;
    Raster canvas_;
    std::array<int, 3> values_{0, 0, 0};
    bool held_ = false;
    Grip grip_ = Grip::Nothing;
    Channel gripped_ = Channel::Red;
    InputRecord input_;
};

}  // namespace mipro::board
