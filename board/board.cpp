#include "board/board.h"

#include "board/control_rules.h"
#include "board/shapes.h"
#include "board/tools.h"

namespace mipro::board {

Board::Board(Kind kind, Size canvas, BusyPattern busy)
    : layout_(kind, canvas), canvas_(canvas.width, canvas.height, kWhite), busy_(busy) {}

Colour Board::colour() const {
    return Rgb(value(Channel::Red), value(Channel::Green), value(Channel::Blue));
}

void Board::buttonDown(Point p) {
    input_.add({InputKind::ButtonDown, p});
    if (held_) {
        drag(p);
        return;
    }
    held_ = true;
    press(p);
}

void Board::buttonUp(Point p) {
    input_.add({InputKind::ButtonUp, p});
    loseHold();
}

void Board::loseHold() {
    held_ = false;
    grip_ = Grip::Nothing;
}

void Board::move(Point p) {
    input_.add({InputKind::Move, p});
    if (held_) drag(p);
}

void Board::press(Point p) {
    grip_ = Grip::Nothing;
    if (layout_.canvasRect().contains(p)) {
        presses_.add(PressPlace::Canvas, p, false);
        pressCanvas(p);
        return;
    }
    const Colour colourBefore = colour();
    const Tool toolBefore = tool_;
    const PressPlace place = pressElsewhere(p);
    presses_.add(place, p, colour() != colourBefore || tool_ != toolBefore);
}

// A busy board misses the press altogether: the drag that follows paints nothing either.
void Board::pressCanvas(Point p) {
    ++canvasPresses_;
    if (busy_.drops(canvasPresses_)) {
        ++dropped_;
        return;
    }
    grip_ = Grip::Canvas;
    penAt_ = p;
    paintTo(p);
}

PressPlace Board::pressElsewhere(Point p) {
    if (layout_.kind() == Kind::OekakiBBS ? pressArrow(p) : pressSlider(p)) return PressPlace::ColourControl;
    if (pressTool(p)) return PressPlace::ToolButton;
    if (pressSwatch(p)) return PressPlace::Palette;
    return PressPlace::BareBoard;
}

void Board::drag(Point p) {
    switch (grip_) {
        case Grip::Canvas: paintTo(p); break;
        case Grip::Slider: valueOf(gripped_) = SliderValueAt(p.x, layout_.paintControl(gripped_).zero.x); break;
        case Grip::Nothing: break;
    }
}

// The line from where the pen is to p, in canvas pixels; what falls outside the canvas is lost.
void Board::paintTo(Point p) {
    const Point origin = layout_.canvasOrigin();
    const Point from{penAt_.x - origin.x, penAt_.y - origin.y};
    const Point to{p.x - origin.x, p.y - origin.y};
    DrawLine(canvas_, from, to, StampSide(tool_), ToolInk(tool_, colour()));
    penAt_ = p;
}

bool Board::pressArrow(Point p) {
    for (Channel c : kChannels) {
        for (Arrow a : kArrows) {
            if (!layout_.arrowButton(c, a).contains(p)) continue;
            valueOf(c) = AfterArrowPress(value(c), a);
            return true;
        }
    }
    return false;
}

bool Board::pressSlider(Point p) {
    for (Channel c : kChannels) {
        const PaintControl slider = layout_.paintControl(c);
        if (!slider.track.contains(p)) continue;
        grip_ = Grip::Slider;
        gripped_ = c;
        valueOf(c) = SliderValueAt(p.x, slider.zero.x);
        return true;
    }
    return false;
}

bool Board::pressTool(Point p) {
    for (Tool t : kTools) {
        if (!layout_.toolButton(t).contains(p)) continue;
        tool_ = t;
        return true;
    }
    return false;
}

bool Board::pressSwatch(Point p) {
    for (int i = 0; i < kPaletteColours; ++i) {
        if (!layout_.swatch(i).contains(p)) continue;
        const Colour c = PaletteColour(i);
        valueOf(Channel::Red) = RedOf(c);
        valueOf(Channel::Green) = GreenOf(c);
        valueOf(Channel::Blue) = BlueOf(c);
        return true;
    }
    return false;
}

}  // namespace mipro::board
