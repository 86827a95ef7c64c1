#include "board/glyphs.h"

#include <array>

namespace mipro::board {
namespace {

using Letter = std::array<const char*, 10>;
using Digit = std::array<const char*, 7>;

constexpr Letter kR = {"#######..", "##....##.", "##.....##", "##....##.", "#######..",
                       "##..##...", "##...##..", "##....##.", "##.....##", "##.....##"};
constexpr Letter kG = {"..#####..", ".##...##.", "##.....##", "##.......", "##.......",
                       "##..#####", "##.....##", "##.....##", ".##...###", "..####.##"};
constexpr Letter kB = {"#######..", "##....##.", "##.....##", "##....##.", "#######..",
                       "##....##.", "##.....##", "##.....##", "##....##.", "#######.."};

constexpr std::array<Digit, 10> kDigits = {{
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
}};

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

void DrawDigits(Raster& r, const std::string& text, Point topLeft, Colour ink) {
    constexpr int kAdvance = kDigitSize.width + 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') continue;
        DrawBitmap(r, kDigits[text[i] - '0'], {topLeft.x + static_cast<int>(i) * kAdvance, topLeft.y}, ink);
    }
}

}  // namespace mipro::board
