#include "drawing/poo_colour.h"

#include <algorithm>
#include <cstdlib>

#include "drawing/board_pace.h"
#include "drawing/pixel_line.h"
#include "targeting/window_checks.h"

namespace mipro {

namespace {

constexpr int kButtonExtraWaitMs = 5;
// One more than the largest tens digit (25) and two more than the largest ones digit (9): after
// that many down-clicks the digit is 0 whatever it was.
constexpr int kTensResetClicks = 26;
constexpr int kOnesResetClicks = 11;
constexpr std::int32_t kResetStopped = -1;
constexpr std::int32_t kResetDone = 0;
constexpr std::int32_t kTopTens = 25;

int ButtonWait(const Wizard& w) { return ControlWait(w.st, kButtonExtraWaitMs); }

// The buttons and recorded digits of one colour component.
struct Channel {
    std::int32_t& tens;
    std::int32_t& ones;
    ScreenPoint btn1;  // x: tens column, y: up row
    ScreenPoint btn2;  // x: ones column, y: down row
};

void SetChannel(Wizard& w, const Channel& c, const std::string& s) {
    const std::int32_t tens = NumericValue(LeadingDigits(s));
    const std::int32_t ones = NumericValue(LastDigit(s));
    // The board holds a component at 255 at most, so from the top tens the tens go down first,
    // and otherwise the ones are set first so the tens climb last.
    if (c.tens == kTopTens) {
        pooSetRGB(w, c.tens, tens, c.btn1.x, c.btn1.y, c.btn2.y);
        pooSetRGB(w, c.ones, ones, c.btn2.x, c.btn1.y, c.btn2.y);
    } else {
        pooSetRGB(w, c.ones, ones, c.btn2.x, c.btn1.y, c.btn2.y);
        pooSetRGB(w, c.tens, tens, c.btn1.x, c.btn1.y, c.btn2.y);
    }
}

// Clicks `clicks` times at `at`, checking for the user's hand after each click.
bool ClickDownToZero(Wizard& w, ScreenPoint at, int clicks) {
    w.pf.pointer.setCursorPos(at);
    for (int i = 0; i < clicks; ++i) {
        w.pf.pointer.leftButtonDown();
        w.pf.clock.sleep(ButtonWait(w));
        w.pf.pointer.leftButtonUp();
        w.pf.clock.sleep(ButtonWait(w));
        w.st.CurPnt = w.pf.pointer.getCursorPos();
        if (InterruptDraw(w, at.x, at.y) != kGoOn) return false;
    }
    return true;
}

}  // namespace

void pooSetRGB(Wizard& w, std::int32_t& SavePnt, std::int32_t NowPnt, std::int32_t btnXX, std::int32_t btnY1,
               std::int32_t btnY2) {
    if (SavePnt == NowPnt) return;
    const std::int32_t n = NowPnt - SavePnt;
    const ScreenPoint button{btnXX, n > 0 ? btnY1 : btnY2};
    for (std::int32_t i = 0; i < std::abs(n); ++i) {
        w.pf.pointer.setCursorPos(button);
        w.pf.pointer.leftButtonDown();
        w.pf.clock.sleep(ButtonWait(w));
        if (PlaceAgainBeforeRelease(w.st)) w.pf.pointer.setCursorPos(button);
        w.pf.pointer.leftButtonUp();
        w.pf.clock.sleep(ButtonWait(w));
    }
    SavePnt = NowPnt;
}

void pooSetRGBCtrl(Wizard& w, const std::string& srr, const std::string& sgg, const std::string& sbb) {
    PooDigits& d = w.st.poo;
    const CaptureRecord& c = w.st.capture;
    SetChannel(w, {d.PooRTens, d.PooROnes, c.PooRBtn1, c.PooRBtn2}, srr);
    SetChannel(w, {d.PooGTens, d.PooGOnes, c.PooGBtn1, c.PooGBtn2}, sgg);
    SetChannel(w, {d.PooBTens, d.PooBOnes, c.PooBBtn1, c.PooBBtn2}, sbb);
}

std::int32_t pooResetRGB(Wizard& w, std::int32_t /*sw*/) {
    const CaptureRecord& c = w.st.capture;
    for (const auto& [btn1, btn2] : {std::pair{c.PooRBtn1, c.PooRBtn2}, std::pair{c.PooGBtn1, c.PooGBtn2},
                                     std::pair{c.PooBBtn1, c.PooBBtn2}}) {
        const bool done = ClickDownToZero(w, {btn1.x, btn2.y}, kTensResetClicks) &&
                          ClickDownToZero(w, {btn2.x, btn2.y}, kOnesResetClicks);
        if (!done) {
            w.st.poo.known = false;
            return kResetStopped;
        }
    }
    w.st.poo = PooDigits{};
    return kResetDone;
}

std::int32_t pooShownValue(const std::string& s) {
    constexpr std::int32_t kTop = 255;
    return std::clamp(NumericValue(LeadingDigits(s)) * 10 + NumericValue(LastDigit(s)), 0, kTop);
}

}  // namespace mipro
