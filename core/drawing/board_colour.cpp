#include "drawing/board_colour.h"

#include <algorithm>
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

std::int32_t SliderShows(const std::string& s) { return std::clamp(shiRgbValueADJ(s), 0, kTop); }

}  // namespace

void SetBoardColour(Wizard& w, const PixelLine& px) {
    if (w.st.BoardKind == kBoardOekaki) {
        pooSetRGBCtrl(w, px.red, px.green, px.blue);
    } else {
        shiSetRGBCtrl(w, px.red, px.green, px.blue);
    }
}

void ForgetBoardColour(Wizard& w) {
    if (w.st.BoardKind == kBoardOekaki) {
        w.st.poo.known = false;
    } else {
        w.st.shi.known = false;
    }
}

bool RecoverBoardColour(Wizard& w) {
    if (w.st.BoardKind != kBoardOekaki || w.st.poo.known) return true;
    return pooResetRGB(w, True) != kResetInterrupted;
}

ColourValue ShownColour(int boardKind, const PixelLine& px) {
    if (boardKind == kBoardOekaki) return Rgb(pooShownValue(px.red), pooShownValue(px.green), pooShownValue(px.blue));
    return Rgb(SliderShows(px.red), SliderShows(px.green), SliderShows(px.blue));
}

bool BoardCanShow(int boardKind, ColourValue colour) {
    return ShownColour(boardKind, LineOf(colour, 0, 0)) == colour;
}

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
