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

std::optional<Tool> ToolOfKey(char32_t c) {
    switch (c) {
        case U'p': case U'P': return Tool::Pen;
        case U'b': case U'B': return Tool::Brush;
        case U'e': case U'E': return Tool::Eraser;
        default: return std::nullopt;
    }
}

}  // namespace mipro::board
