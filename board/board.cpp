#include "board/board.h"

#include "board/control_rules.h"
#include "board/shapes.h"
#include "board/tools.h"

namespace mipro::board {
namespace {

// A character typed with Control held is a shortcut: Control+A selects a field's text.
bool IsSelectAll(char32_t c) { return c == U'a' || c == U'A'; }

BoardSetup PlainSetup(Kind kind, Size canvas, BusyPattern busy) {
    BoardSetup setup;
    setup.kind = kind;
    setup.canvas = canvas;
    setup.busy = busy;
    return setup;
}

}  // namespace

Board::Board(const BoardSetup& setup)
    : setup_(setup),
      layout_(setup.kind, setup.canvas, setup.opener),
      canvas_(setup.canvas.width, setup.canvas.height, kWhite),
      stroke_(setup.stabiliser),
      panel_(setup.opener, setup.dropFocus) {}

Board::Board(Kind kind, Size canvas, BusyPattern busy) : Board(PlainSetup(kind, canvas, busy)) {}

Colour Board::colour() const {
    return Rgb(value(Channel::Red), value(Channel::Green), value(Channel::Blue));
}

void Board::buttonDown(Point p, std::optional<Millis> time) {
    input_.add({InputKind::ButtonDown, p});
    pointerAt(p, time);
    if (held_) {
        drag(p);
        return;
    }
    held_ = true;
    press(p);
}

void Board::buttonUp(Point p, std::optional<Millis> time) {
    input_.add({InputKind::ButtonUp, p});
    pointerAt(p, time);
    loseHold();
}

void Board::loseHold() {
    held_ = false;
    grip_ = Grip::Nothing;
}

void Board::move(Point p, std::optional<Millis> time) {
    input_.add({InputKind::Move, p});
    pointerAt(p, time);
    if (held_) drag(p);
}

void Board::leave() { pointer_.reset(); }

// The clock never goes back, so the board's pace stays well defined whatever the times given.
void Board::pointerAt(Point p, std::optional<Millis> time) {
    pointer_ = p;
    if (time && *time > now_) now_ = *time;
}

std::optional<Point> Board::penCursor() const {
    if (!setup_.showsPenCursor() || !pointer_ || !layout_.canvasRect().contains(*pointer_)) return std::nullopt;
    if (panel_.windowOpen() && layout_.codeWindow().contains(*pointer_)) return std::nullopt;
    return pointer_;
}

void Board::press(Point p) {
    grip_ = Grip::Nothing;
    if (pressCodePanel(p)) return;
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

// ColourCode: a press on the code window (which lies over the canvas), the field or the "#"
// button; any other press takes the field's focus away and is left to the rest of the board.
bool Board::pressCodePanel(Point p) {
    if (layout_.kind() != Kind::ColourCode) return false;
    switch (panel_.press(layout_, p, colour())) {
        case CodePanel::Hit::Window: presses_.add(PressPlace::CodeWindow, p, false); return true;
        case CodePanel::Hit::Control: presses_.add(PressPlace::ColourControl, p, false); return true;
        case CodePanel::Hit::Elsewhere: return false;
    }
    return false;
}

// A busy board misses the press altogether: the drag that follows paints nothing either.
void Board::pressCanvas(Point p) {
    ++canvasPresses_;
    if (setup_.busy.drops(canvasPresses_)) {
        ++droppedByPattern_;
        return;
    }
    if (comesTooSoon()) {
        ++droppedByPace_;
        return;
    }
    lastCanvasPressTaken_ = now_;
    grip_ = Grip::Canvas;
    paint(stroke_.start(p));
}

bool Board::comesTooSoon() const {
    return setup_.busyMs > 0 && lastCanvasPressTaken_ && now_ - *lastCanvasPressTaken_ < setup_.busyMs;
}

PressPlace Board::pressElsewhere(Point p) {
    const bool onControl = layout_.kind() == Kind::OekakiBBS  ? pressArrow(p)
                           : layout_.kind() == Kind::PaintBBS ? pressSlider(p)
                                                              : false;
    if (onControl) return PressPlace::ColourControl;
    if (pressTool(p)) return PressPlace::ToolButton;
    if (pressSwatch(p)) return PressPlace::Palette;
    return PressPlace::BareBoard;
}

void Board::drag(Point p) {
    switch (grip_) {
        case Grip::Canvas: paint(stroke_.extend(p)); break;
        case Grip::Slider: valueOf(gripped_) = SliderValueAt(p.x, layout_.paintControl(gripped_).zero.x); break;
        case Grip::Nothing: break;
    }
}

// The tool's stamp at each point, in canvas pixels; what falls outside the canvas is lost.
void Board::paint(const std::vector<Point>& points) {
    const Point origin = layout_.canvasOrigin();
    for (const Point p : points) Stamp(canvas_, {p.x - origin.x, p.y - origin.y}, StampSide(tool_), ToolInk(tool_, colour()));
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

// With Shift held a press steps the value by 1 and takes no hold.
bool Board::pressSlider(Point p) {
    for (Channel c : kChannels) {
        const PaintControl slider = layout_.paintControl(c);
        if (shift_) {
            if (!slider.shiftZone.contains(p)) continue;
            valueOf(c) = AfterShiftPress(value(c), p.x, slider.zero.x);
            return true;
        }
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
        setColour(PaletteColour(i));
        panel_.showColour(colour());
        return true;
    }
    return false;
}

void Board::keyDown(Key k) {
    switch (k) {
        case Key::Shift: shift_ = true; return;
        case Key::Control: control_ = true; return;
        default: break;
    }
    if (fieldFocused()) fieldKey(k);
    else boardKey(k);
}

void Board::keyUp(Key k) {
    if (k == Key::Shift) shift_ = false;
    if (k == Key::Control) control_ = false;
}

void Board::typed(char32_t c) {
    if (!fieldFocused()) {
        boardCharacter(c);
    } else if (control_) {
        if (IsSelectAll(c)) panel_.selectAll();
    } else {
        ++keys_.fieldCharacters;
        apply(panel_.type(c));
    }
}

void Board::fieldKey(Key k) {
    switch (k) {
        case Key::Enter:
            ++keys_.fieldEnters;
            apply(panel_.enter());
            break;
        case Key::Backspace: apply(panel_.backspace()); break;
        case Key::Delete: apply(panel_.deleteForward()); break;
        default: break;
    }
}

void Board::boardKey(Key k) {
    ++keys_.boardKeys;
    if (k != Key::Backspace && k != Key::Delete) return;
    ++keys_.boardErases;
    canvas_ = Raster(canvas_.width(), canvas_.height(), kWhite);
}

void Board::boardCharacter(char32_t c) {
    ++keys_.boardKeys;
    if (control_) return;
    if (const std::optional<Tool> t = ToolOfKey(c)) tool_ = *t;
}

void Board::apply(std::optional<Colour> code) {
    if (!code) return;
    setColour(*code);
    ++codesApplied_;
}

void Board::setColour(Colour c) {
    valueOf(Channel::Red) = RedOf(c);
    valueOf(Channel::Green) = GreenOf(c);
    valueOf(Channel::Blue) = BlueOf(c);
}

}  // namespace mipro::board
