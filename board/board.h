// The practice board's model: a canvas, the current colour and tool, the colour controls of one
// board kind, the tool buttons and the palette, driven by the left button, the pointer and the
// keys as a window system delivers them.
#pragma once

#include <array>
#include <optional>

#include "board/board_setup.h"
#include "board/code_panel.h"
#include "board/input_record.h"
#include "board/keys.h"
#include "board/layout.h"
#include "board/press_record.h"
#include "board/raster.h"
#include "board/stroke.h"

namespace mipro::board {

class Board {
public:
    explicit Board(const BoardSetup& setup);
    Board(Kind kind, Size canvas, BusyPattern busy = {});

    // Pointer input at a point in board pixels, at the system's time of the event (left out, the
    // time of the event before). A button-down while the button is already held (injected input
    // can send several without a release) continues the drag to that point. Moves without the
    // button count too: they tell where the pen cursor is.
    // On the canvas a press paints with the current tool at the point under the pointer, and a
    // drag paints a line from each point it is reported at to the next, like a pen (lagging
    // behind by the stabiliser); the release paints nothing. A press on a control, a tool button
    // or a swatch acts at once. On PaintBBS a press on a slider while Shift is held steps it by 1.
    void buttonDown(Point p, std::optional<Millis> time = std::nullopt);
    void buttonUp(Point p, std::optional<Millis> time = std::nullopt);
    void move(Point p, std::optional<Millis> time = std::nullopt);
    // The window system took the mouse away while the button was held: the drag ends without a
    // release, and the next button-down is a fresh press.
    void loseHold();
    // The pointer left the board's window: the board no longer knows where it is.
    void leave();

    // Keys (see keys.h). With a field focused, characters and Enter, Backspace and Delete edit and
    // apply its code, and Control+A selects its text. With no field focused, p, b and e (either
    // case) choose the pen, brush and eraser, Backspace and Delete clear the whole canvas to white,
    // and any other key does nothing. Control with any other letter is a shortcut the board
    // does not have.
    void keyDown(Key k);
    void keyUp(Key k);
    void typed(char32_t c);

    const BoardSetup& setup() const { return setup_; }
    const Layout& layout() const { return layout_; }
    int value(Channel c) const { return values_[static_cast<int>(c)]; }
    Colour colour() const;
    Tool tool() const { return tool_; }
    // Canvas pixel (0, 0) lies at layout().canvasOrigin().
    const Raster& canvas() const { return canvas_; }
    const InputRecord& input() const { return input_; }
    const PressRecord& presses() const { return presses_; }
    const BusyPattern& busy() const { return setup_.busy; }
    // Canvas presses the busy board missed: by its pattern, for coming too soon, and both.
    long droppedByPattern() const { return droppedByPattern_; }
    long droppedByPace() const { return droppedByPace_; }
    long dropped() const { return droppedByPattern_ + droppedByPace_; }
    bool buttonHeld() const { return held_; }

    // ColourCode: the code field and its opener.
    const CodePanel& codePanel() const { return panel_; }
    const KeyRecord& keys() const { return keys_; }
    long codesApplied() const { return codesApplied_; }
    bool shiftHeld() const { return shift_; }
    bool controlHeld() const { return control_; }
    // Where the pen cursor is drawn: at the pointer while it is over the visible canvas, when the
    // board shows one.
    std::optional<Point> penCursor() const;

private:
    // What a press took hold of, which decides what a drag does.
    enum class Grip { Nothing, Canvas, Slider };

    void pointerAt(Point p, std::optional<Millis> time);
    void press(Point p);
    bool pressCodePanel(Point p);
    void pressCanvas(Point p);
    bool comesTooSoon() const;
    PressPlace pressElsewhere(Point p);
    void drag(Point p);
    void paint(const std::vector<Point>& points);
    bool pressArrow(Point p);
    bool pressSlider(Point p);
    bool pressTool(Point p);
    bool pressSwatch(Point p);
    bool fieldFocused() const { return panel_.focused(); }
    void fieldKey(Key k);
    void boardKey(Key k);
    void boardCharacter(char32_t c);
    void apply(std::optional<Colour> code);
    void setColour(Colour c);
    int& valueOf(Channel c) { return values_[static_cast<int>(c)]; }

    BoardSetup setup_;
    Layout layout_;
    Raster canvas_;
    std::array<int, 3> values_{0, 0, 0};
    Tool tool_ = Tool::Pen;
    bool held_ = false;
    Grip grip_ = Grip::Nothing;
    Channel gripped_ = Channel::Red;
    Stroke stroke_;
    std::optional<Point> pointer_;  // where the pointer was last reported over the board
    Millis now_ = 0;
    long canvasPresses_ = 0;
    std::optional<Millis> lastCanvasPressTaken_;
    long droppedByPattern_ = 0;
    long droppedByPace_ = 0;
    CodePanel panel_;
    bool shift_ = false;
    bool control_ = false;
    KeyRecord keys_;
    long codesApplied_ = 0;
    InputRecord input_;
    PressRecord presses_;
};

}  // namespace mipro::board
