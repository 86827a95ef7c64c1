#include "drawing/board_colour.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "drawing/poo_colour.h"
#include "drawing/shi_colour.h"

namespace mipro {

namespace {

constexpr std::int32_t kResetInterrupted = -1;
constexpr std::int32_t kTop = 255;

ColourValue Rgb(std::int32_t r, std::int32_t g, std::int32_t b) { return r | g << 8 | b << 16; }

std::string Component(std::int32_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%03d", static_cast<int>(value));
    return text;
}

std::int32_t Exact(const std::string& s) { return std::clamp(NumericValue(s), 0, kTop); }
std::int32_t SliderShows(const std::string& s) { return std::clamp(shiRgbValueADJ(s), 0, kTop); }

// oekakiBBS: the digits.
ColourSet PooSet(Wizard& w, const PixelLine& px) {
    pooSetRGBCtrl(w, px.red, px.green, px.blue);
    return ColourSet::Done;
}
void PooForget(State& st) { st.poo.known = false; }
bool PooRecover(Wizard& w) { return w.st.poo.known || pooResetRGB(w, True) != kResetInterrupted; }
bool PooReset(Wizard& w) { return pooResetRGB(w, True) != kResetInterrupted; }
void PooResetAtEnd(Wizard& w) { pooResetRGB(w, False); }
ColourValue PooShown(bool, const PixelLine& px) {
    return Rgb(pooShownValue(px.red), pooShownValue(px.green), pooShownValue(px.blue));
}

// PaintBBS: the sliders.
ColourSet ShiSet(Wizard& w, const PixelLine& px) {
    shiSetRGBCtrl(w, px.red, px.green, px.blue);
    return ColourSet::Done;
}
void ShiForget(State& st) { st.shi.known = false; }
// A slider not known is set again at the next change.
bool Recovered(Wizard&) { return true; }
bool ShiReset(Wizard& w) {
    // A recorded 255 makes every slider move, whatever the board shows now.
    w.st.shi = {255, 255, 255};
    shiSetRGBCtrl(w, "000", "000", "000");
    return true;
}
void ShiResetAtEnd(Wizard& w) { shiSetRGBCtrl(w, "000", "000", "000"); }
ColourValue ShiShown(bool exact, const PixelLine& px) {
    if (exact) return Rgb(Exact(px.red), Exact(px.green), Exact(px.blue));
    return Rgb(SliderShows(px.red), SliderShows(px.green), SliderShows(px.blue));
}

// The code kind: the code typed, and read back.
ColourSet CodeSet(Wizard& w, const PixelLine& px) { return codeSetRGB(w, px.red, px.green, px.blue); }
void CodeForget(State& st) { st.code.known = false; }
// Its first code is typed whatever the board shows.
bool CodeReset(Wizard& w) {
    w.st.code.known = false;
    return true;
}
void LeftAsItIs(Wizard&) {}
ColourValue CodeShown(bool, const PixelLine& px) { return Rgb(Exact(px.red), Exact(px.green), Exact(px.blue)); }

struct ColourRoutines {
    ColourSet (*set)(Wizard&, const PixelLine&);
    void (*forget)(State&);
    bool (*recover)(Wizard&);
    bool (*resetAtStart)(Wizard&);
    void (*resetAtEnd)(Wizard&);
    ColourValue (*shown)(bool exact, const PixelLine&);
};

// oekakiBBS, PaintBBS, the code kind.
const ColourRoutines& RoutinesOf(int boardKind) {
    static const std::array<ColourRoutines, kBoardKinds> kRoutines = {{
        {PooSet, PooForget, PooRecover, PooReset, PooResetAtEnd, PooShown},
        {ShiSet, ShiForget, Recovered, ShiReset, ShiResetAtEnd, ShiShown},
        {CodeSet, CodeForget, Recovered, CodeReset, LeftAsItIs, CodeShown},
    }};
    return kRoutines[static_cast<std::size_t>(KindIndex(boardKind))];
}

}  // namespace

ColourRule ColourRuleOf(const State& st) { return {st.BoardKind, st.ShiExact != False}; }

ColourValue ShownColour(ColourRule rule, const PixelLine& px) { return RoutinesOf(rule.boardKind).shown(rule.exact, px); }

bool BoardCanShow(ColourRule rule, ColourValue colour) { return ShownColour(rule, LineOf(colour, 0, 0)) == colour; }

ColourSet SetBoardColour(Wizard& w, const PixelLine& px) { return RoutinesOf(w.st.BoardKind).set(w, px); }

void ForgetBoardColour(Wizard& w) { RoutinesOf(w.st.BoardKind).forget(w.st); }

bool RecoverBoardColour(Wizard& w) { return RoutinesOf(w.st.BoardKind).recover(w); }

bool ResetBoardColour(Wizard& w) { return RoutinesOf(w.st.BoardKind).resetAtStart(w); }

void ResetColourAtEnd(Wizard& w) { RoutinesOf(w.st.BoardKind).resetAtEnd(w); }

PixelLine LineOf(ColourValue colour, std::int32_t x, std::int32_t y) {
    PixelLine px;
    px.red = Component(colour & 0xFF);
    px.green = Component((colour >> 8) & 0xFF);
    px.blue = Component((colour >> 16) & 0xFF);
    px.x = x;
    px.y = y;
    return px;
}

}  // namespace mipro
