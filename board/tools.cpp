#include "board/tools.h"

#include <array>

namespace mipro::board {
namespace {

constexpr int kPenSide = 1;
constexpr int kBroadSide = 3;

constexpr std::array<Colour, kPaletteColours> kPalette = {
    Rgb(0, 0, 0),     Rgb(255, 255, 255), Rgb(128, 128, 128), Rgb(255, 0, 0),   Rgb(255, 255, 0),
    Rgb(0, 255, 0),   Rgb(0, 255, 255),   Rgb(0, 0, 255),     Rgb(255, 0, 255), Rgb(128, 64, 0),
};

}  // namespace

int StampSide(Tool t) { return t == Tool::Pen ? kPenSide : kBroadSide; }

Colour ToolInk(Tool t, Colour current) { return t == Tool::Eraser ? kWhite : current; }

Colour PaletteColour(int index) { return kPalette.at(static_cast<std::size_t>(index)); }

}  // namespace mipro::board
