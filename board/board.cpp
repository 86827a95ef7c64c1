#include "board/board.h"

#include "board/control_rules.h"

namespace mipro::board {

Board::Board(Kind kind, Size canvas) : layout_(kind, canvas), canvas_(canvas.width, canvas.height, kWhite) {}

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
        grip_ = Grip::Canvas;
        paint(p);
    } else if (layout_.kind() == Kind::OekakiBBS) {
        pressArrow(p);
    } else if (pressSlider(p)) {
        grip_ = Grip::Slider;
    }
}

void Board::drag(Point p) {
    switch (grip_) {
        case Grip::Canvas: paint(p); break;
        case Grip::Slider: valueOf(gripped_) = SliderValueAt(p.x, layout_.paintControl(gripped_).zero.x); break;
        case Grip::Nothing: break;
    }
}

void Board::paint(Point p) {
    const Point origin = layout_.canvasOrigin();
    canvas_.set(p.x - origin.x, p.y - origin.y, colour());
}

void Board::pressArrow(Point p) {
    for (Channel c : kChannels) {
        for (Arrow a : kArrows) {
            if (!layout_.arrowButton(c, a).contains(p)) continue;
            valueOf(c) = AfterArrowPress(value(c), a);
            return;
        }
    }
}

bool Board::pressSlider(Point p) {
    for (Channel c : kChannels) {
        const PaintControl slider = layout_.paintControl(c);
        if (!slider.track.contains(p)) continue;
        gripped_ = c;
        valueOf(c) = SliderValueAt(p.x, slider.zero.x);
        return true;
    }
    return false;
}

}  // namespace mipro::board
