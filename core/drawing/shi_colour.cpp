#include "drawing/shi_colour.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

#include "drawing/board_pace.h"
#include "drawing/pixel_line.h"

namespace mipro {

namespace {

constexpr int kSliderExtraWaitMs = 8;
constexpr std::int32_t kUnitsPerPixel = 5;
constexpr std::int32_t kLowestClicked = 5;
constexpr std::int32_t kHighestClicked = 245;
constexpr std::int32_t kNextToTop = 250;
constexpr std::int32_t kTop = 255;
constexpr std::int32_t kLastClickOffset = 48;  // where 245 sits; the drags to the top start here
// Exact colours: a Shift+click this far beside the knob moves the slider one unit toward it, and a
// design value is brought to any value within this many units of it.
constexpr std::int32_t kBesideKnob = 2;
constexpr std::int32_t kMostUnitSteps = 2;

// Drives one slider row with the pause of the chosen speed around every event.
class SliderHand {
public:
    SliderHand(Wizard& w, std::int32_t ry) : w_(w), ry_(ry), wait_(ControlWait(w.st, kSliderExtraWaitMs)) {}

    void moveTo(std::int32_t x) {
        w_.pf.pointer.setCursorPos({x, ry_});
        pause();
    }
    void down() {
        w_.pf.pointer.leftButtonDown();
        pause();
    }
    void up() {
        w_.pf.pointer.leftButtonUp();
        pause();
    }
    void click(std::int32_t x) {
        moveTo(x);
        down();
        if (PlaceAgainBeforeRelease(w_.st)) moveTo(x);
        up();
    }
    // A drag: a fresh press at every point it passes and one release at its end.
    void drag(std::initializer_list<std::int32_t> xs) {
        for (const std::int32_t x : xs) {
            moveTo(x);
            down();
        }
        up();
    }

private:
    void pause() { w_.pf.clock.sleep(wait_); }

    Wizard& w_;
    std::int32_t ry_;
    int wait_;
};

// Where the knob stands for a value: the column a click sets it from (5 to 245), the end of the
// drags that set 0, 250 and 255, and the step a value between those lies in.
std::int32_t KnobColumn(std::int32_t rx, std::int32_t iro) {
    return rx + (iro + kUnitsPerPixel - 1) / kUnitsPerPixel - 1;
}

// Shift held, a click beside the knob per unit toward `to`, Shift let go.
void StepByUnits(Wizard& w, ScreenPoint bar, std::int32_t from, std::int32_t to) {
    SliderHand hand(w, bar.y);
    w.pf.keyboard.shiftDown();
    for (std::int32_t iro = from; iro != to; iro += to > iro ? 1 : -1) {
        const std::int32_t x = KnobColumn(bar.x, iro) + (to > iro ? kBesideKnob : -kBesideKnob);
        hand.click(x);
    }
    w.pf.keyboard.shiftUp();
}

// Moves one slider when its value changes, or when it is not known, and records the new value. With
// exact colours the design's value comes first, unless the slider already stands within a couple
// of units of the wanted value on the same step, and Shift+clicks then bring it to the exact value.
void SetSlider(Wizard& w, std::int32_t& now, bool known, ScreenPoint bar, const std::string& component) {
    const std::int32_t value = shiRgbValueADJ(component);
    if (w.st.ShiExact == False) {
        if (value != now || !known) shiSetRGB(w, bar.x, bar.y, value);
        now = value;
        return;
    }
    const std::int32_t exact = std::clamp(NumericValue(component), 0, kTop);
    if (known && now == exact) return;
    const bool near = known && shiRgbValueADJ(ThreeDigits(now)) == value && std::abs(exact - now) <= kMostUnitSteps;
    if (!near) {
        shiSetRGB(w, bar.x, bar.y, value);
        now = value;
    }
    StepByUnits(w, bar, now, exact);
    now = exact;
}

}  // namespace

std::string ThreeDigits(std::int32_t value) {
    std::string text = std::to_string(std::clamp(value, 0, kTop));
    return std::string(3 - text.size(), '0') + text;
}

std::int32_t shiRgbValueADJ(const std::string& nn) {
    std::int32_t tens = NumericValue(LeadingDigits(nn));
    std::int32_t ones = NumericValue(LastDigit(nn));
    if (ones <= 2) {
        ones = 0;
    } else if (ones <= 7) {
        ones = 5;
    } else {
        ones = 0;
        tens += 1;
    }
    return tens * 10 + ones;
}

void shiSetRGB(Wizard& w, std::int32_t rx, std::int32_t ry, std::int32_t iro) {
    SliderHand hand(w, ry);
    const std::int32_t lastClick = rx + kLastClickOffset;
    if (iro == 0) {
        // Below the first step: a drag from the first pixel off the slider's low end.
        hand.drag({rx, rx - 1});
    } else if (iro >= kLowestClicked && iro <= kHighestClicked) {
        hand.click(rx + iro / kUnitsPerPixel - 1);
    } else if (iro == kNextToTop) {
        hand.drag({lastClick, lastClick + 1});
    } else if (iro == kTop) {
        hand.drag({lastClick, lastClick + 1, lastClick + 2});
    }
}

void shiSetRGBCtrl(Wizard& w, const std::string& srr, const std::string& sgg, const std::string& sbb) {
    ShiSliders& s = w.st.shi;
    const CaptureRecord& c = w.st.capture;
    SetSlider(w, s.ShiRNow, s.known, c.ShiRBar, srr);
    SetSlider(w, s.ShiGNow, s.known, c.ShiGBar, sgg);
    SetSlider(w, s.ShiBNow, s.known, c.ShiBBar, sbb);
    s.known = true;
}

}  // namespace mipro
