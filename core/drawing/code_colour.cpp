#include "drawing/code_colour.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "drawing/pixel_line.h"
#include "targeting/board_kinds.h"
#include "targeting/canvas_extent.h"

namespace mipro {

namespace {

constexpr int kButtonExtraWaitMs = 5;
// The board paints its new colour in its own time: it is looked at this often, this long.
constexpr int kShowLookEveryMs = 20;
constexpr int kShowWaitMs = 1000;
constexpr std::int32_t kTop = 255;

ColourValue Rgb(std::int32_t r, std::int32_t g, std::int32_t b) { return r | g << 8 | b << 16; }

std::int32_t Component(const std::string& s) { return std::clamp(NumericValue(s), 0, kTop); }

// A click on a captured button or field, with the pause of the chosen speed around it.
void ClickAt(Wizard& w, ScreenPoint at) {
    const int wait = w.st.SpeedWait + kButtonExtraWaitMs;
    w.pf.pointer.setCursorPos(at);
    w.pf.pointer.leftButtonDown();
    w.pf.clock.sleep(wait);
    w.pf.pointer.setCursorPos(at);
    w.pf.pointer.leftButtonUp();
    w.pf.clock.sleep(wait);
}

void TypeCode(Wizard& w, const std::string& code) {
    const CaptureRecord& c = w.st.capture;
    const CodeChoices& choices = w.st.codeChoices;
    if (choices.CodeOpens != False) ClickAt(w, c.CodeOpen);
    ClickAt(w, c.CodeField);
    w.pf.keyboard.selectAll();
    w.pf.clock.sleep(w.st.SpeedWait);
    w.pf.keyboard.typeCode(code);
    w.pf.clock.sleep(w.st.SpeedWait);
    w.pf.keyboard.pressEnter();
    w.pf.clock.sleep(w.st.SpeedWait);
    if (choices.CodeCloses != False) ClickAt(w, c.CodeClose);
}

std::optional<ColourValue> SwatchColour(Wizard& w) {
    const ScreenPoint at = w.st.capture.CodeSwatch;
    const std::optional<Picture> seen = w.pf.screen.readPixels({at.x, at.y, at.x + 1, at.y + 1});
    if (!seen || seen->empty()) return std::nullopt;
    return seen->point(0, 0);
}

// Whether the board shows what is looked for within a moment: a page paints after the event.
template <class Look>
bool ShowsWithinAMoment(Wizard& w, Look shows) {
    for (int waited = 0;; waited += kShowLookEveryMs) {
        if (shows()) return true;
        if (waited >= kShowWaitMs) return false;
        w.pf.clock.sleep(kShowLookEveryMs);
    }
}

bool ShowsColour(Wizard& w, ColourValue colour) {
    return ShowsWithinAMoment(w, [&] { return SwatchColour(w) == colour; });
}

// The canvas's surroundings as page 6 saw them: nothing of the board's lies over the canvas. A
// window closed by its button goes from the screen a moment after the press.
bool CanvasUncovered(Wizard& w) {
    const CanvasRing& ring = ChosenRing(w.st);
    return ShowsWithinAMoment(w, [&] {
        const std::optional<Picture> around = ReadAroundCanvas(w, CanvasOrigin(w.st), ring.inner);
        return around && RingShown(*around, ring, ring.inner);
    });
}

}  // namespace

std::string ColourCode(const std::string& srr, const std::string& sgg, const std::string& sbb, bool withHash) {
    char text[8];
    std::snprintf(text, sizeof text, "%02x%02x%02x", static_cast<unsigned>(Component(srr)),
                  static_cast<unsigned>(Component(sgg)), static_cast<unsigned>(Component(sbb)));
    std::string code = withHash ? "#" : "";
    code += text;
    return code;
}

ColourSet codeSetRGB(Wizard& w, const std::string& srr, const std::string& sgg, const std::string& sbb) {
    CodeColour& state = w.st.code;
    const ColourValue colour = Rgb(Component(srr), Component(sgg), Component(sbb));
    if (state.known && state.CodeNow == colour) return ColourSet::Done;
    state.known = false;
    // The pointer rests off the canvas while the board is looked at: some boards draw a pen under it.
    w.pf.pointer.setCursorPos(StartPoint(w.st));
    // A colour the board shows already needs no key at all.
    if (SwatchColour(w) != colour) {
        TypeCode(w, ColourCode(srr, sgg, sbb, w.st.codeChoices.CodeHash != False));
        w.pf.pointer.setCursorPos(StartPoint(w.st));
        if (!ShowsColour(w, colour)) return ColourSet::NotShown;
    }
    if (!CanvasUncovered(w)) return ColourSet::CanvasCovered;
    state = {colour, true};
    return ColourSet::Done;
}

}  // namespace mipro
