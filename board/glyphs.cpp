#include "board/glyphs.h"

#include <array>
#include <string_view>

namespace mipro::board {
namespace {

using Letter = std::array<const char*, 10>;
using Glyph = std::array<const char*, 7>;

constexpr Letter kR = {"#######..", "##....##.", "##.....##", "##....##.", "#######..",
                       "##..##...", "##...##..", "##....##.", "##.....##", "##.....##"};
constexpr Letter kG = {"..#####..", ".##...##.", "##.....##", "##.......", "##.......",
                       "##..#####", "##.....##", "##.....##", ".##...###", "..####.##"};
constexpr Letter kB = {"#######..", "##....##.", "##.....##", "##....##.", "#######..",
                       "##....##.", "##.....##", "##.....##", "##....##.", "#######.."};

constexpr std::string_view kGlyphCharacters = "0123456789abcdefABCDEF#";
constexpr std::array<Glyph, kGlyphCharacters.size()> kGlyphs = {{
    {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."},
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."},
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"},
    {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."},
    {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."},
    {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."},
    {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."},
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."},
    {".....", ".....", ".###.", "....#", ".####", "#...#", ".####"},
    {"#....", "#....", "####.", "#...#", "#...#", "#...#", "####."},
    {".....", ".....", ".###.", "#....", "#....", "#...#", ".###."},
    {"....#", "....#", ".####", "#...#", "#...#", "#...#", ".####"},
    {".....", ".....", ".###.", "#...#", "#####", "#....", ".###."},
    {"..##.", ".#..#", ".#...", "###..", ".#...", ".#...", ".#..."},
    {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"},
    {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."},
    {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."},
    {"###..", "#..#.", "#...#", "#...#", "#...#", "#..#.", "###.."},
    {"#####", "#....", "#....", "####.", "#....", "#....", "#####"},
    {"#####", "#....", "#....", "####.", "#....", "#....", "#...."},
    {".#.#.", ".#.#.", "#####", ".#.#.", "#####", ".#.#.", ".#.#."},
}};
constexpr Glyph kUnknown = {"#####", "#...#", "#...#", "#...#", "#...#", "#...#", "#####"};

constexpr std::array<const char*, 7> kEyedropper = {"....###", "....###", "...####", "..#.#..",
                                                    ".#.#...", "#.#....", "##....."};

template <std::size_t Rows>
void DrawBitmap(Raster& r, const std::array<const char*, Rows>& rows, Point topLeft, Colour ink) {
    for (std::size_t y = 0; y < Rows; ++y)
        for (int x = 0; rows[y][x] != '\0'; ++x)
            if (rows[y][x] == '#') r.set(topLeft.x + x, topLeft.y + static_cast<int>(y), ink);
}

const Letter& LetterOf(Channel c) {
    switch (c) {
        case Channel::Red: return kR;
        case Channel::Green: return kG;
        case Channel::Blue: return kB;
    }
    return kR;
}

}  // namespace

void DrawChannelLetter(Raster& r, Channel c, Point topLeft, Colour ink) { DrawBitmap(r, LetterOf(c), topLeft, ink); }

void DrawSmallText(Raster& r, const std::string& text, Point topLeft, Colour ink) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ') continue;
        const std::size_t glyph = kGlyphCharacters.find(text[i]);
        const Point at{topLeft.x + static_cast<int>(i) * kTextAdvance, topLeft.y};
        DrawBitmap(r, glyph == std::string_view::npos ? kUnknown : kGlyphs[glyph], at, ink);
    }
}

void DrawEyedropper(Raster& r, Point topLeft, Colour ink) { DrawBitmap(r, kEyedropper, topLeft, ink); }

}  // namespace mipro::board
