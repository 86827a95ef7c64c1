#include "targeting/guide_picture.h"

#include <array>
#include <string_view>

namespace mipro {

namespace {

// Coordinates below are inclusive, in pixels of one frame.
constexpr int kLast = kGuideFrameSize - 1;
constexpr int kStroke = 3;
constexpr int kCornerSquare = 49;

// Glyphs of 9 x 10 cells; each cell is a 3 x 3 block, so a letter fills a 27 x 30 box.
constexpr int kGlyphCols = 9;
constexpr int kGlyphRows = 10;
using Glyph = std::array<std::string_view, kGlyphRows>;

constexpr Glyph kLetterR = {
    "#######..", "########.", "##.....##", "##.....##", "########.",
    "#######..", "##...##..", "##....##.", "##.....##", "##.....##"};
constexpr Glyph kLetterG = {
    "..######.", ".########", "##.......", "##.......", "##...####",
    "##...####", "##.....##", "##.....##", ".########", "..######."};
constexpr Glyph kLetterB = {
    "#######..", "########.", "##.....##", "##....##.", "#######..",
    "########.", "##.....##", "##.....##", "########.", "#######.."};

// Draws into one frame of the guide picture.
class FramePainter {
public:
    FramePainter(Picture& picture, int frame, ColourValue colour)
        : picture_(picture), origin_x_(frame * kGuideFrameSize), colour_(colour) {}

    void fill(int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) picture_.setPoint(origin_x_ + x, y, colour_);
    }

    void outline(int x0, int y0, int x1, int y1) {
        fill(x0, y0, x1, y0 + kStroke - 1);
        fill(x0, y1 - kStroke + 1, x1, y1);
        fill(x0, y0, x0 + kStroke - 1, y1);
        fill(x1 - kStroke + 1, y0, x1, y1);
    }

    void cornerSquares() {
        constexpr int far = kLast - kCornerSquare + 1;
        fill(0, 0, kCornerSquare - 1, kCornerSquare - 1);
        fill(far, 0, kLast, kCornerSquare - 1);
        fill(0, far, kCornerSquare - 1, kLast);
        fill(far, far, kLast, kLast);
    }

    void glyph(const Glyph& g, int x0, int y0) {
        for (int row = 0; row < kGlyphRows; ++row)
            for (int col = 0; col < kGlyphCols; ++col)
                if (g[row][col] == '#') fill(x0 + kStroke * col, y0 + kStroke * row, x0 + kStroke * col + kStroke - 1,
                                             y0 + kStroke * row + kStroke - 1);
    }

    // A triangle whose flat side is at yBase and whose point is at yApex, filling x0..x1 at the base.
    void triangle(int x0, int x1, int yBase, int yApex) {
        const int rows = yApex > yBase ? yApex - yBase : yBase - yApex;
        const int step = yApex > yBase ? 1 : -1;
        const double centre = (x0 + x1) / 2.0;
        const double halfBase = (x1 - x0) / 2.0;
        for (int i = 0; i <= rows; ++i) {
            const double half = halfBase * (rows - i) / rows;
            const int y = yBase + step * i;
            for (int x = x0; x <= x1; ++x)
                if (x >= centre - half - 0.5 && x <= centre + half + 0.5) picture_.setPoint(origin_x_ + x, y, colour_);
        }
    }

private:
    Picture& picture_;
    int origin_x_;
    ColourValue colour_;
};

// The code kind's frames: what each point is, a letter as the colour frames have theirs.
constexpr Glyph kLetterHash = {
    "..##..##.", "..##..##.", "#########", "#########", "..##..##.",
    "..##..##.", "#########", "#########", "..##..##.", "..##..##."};
constexpr Glyph kLetterField = {
    "#########", "#########", "....#....", "....#....", "....#....",
    "....#....", "....#....", "....#....", "#########", "#########"};
constexpr Glyph kLetterSwatch = {
    "#########", "#########", "##.....##", "##.....##", "##.....##",
    "##.....##", "##.....##", "##.....##", "#########", "#########"};
constexpr Glyph kLetterClose = {
    "##.....##", ".##...##.", "..##.##..", "...###...", "...###...",
    "...###...", "...###...", "..##.##..", ".##...##.", "##.....##"};

struct Channel {
    ColourValue colour;
    const Glyph& letter;
};

const std::array<Channel, 3> kChannels = {{{kGuideRed, kLetterR}, {kGuideGreen, kLetterG}, {kGuideBlue, kLetterB}}};

// The canvas's corner: its first pixel belongs just inside the mark.
void DrawOriginFrame(Picture& picture) {
    FramePainter p(picture, kGuideOrigin, kGuideNearBlack);
    p.fill(147, 147, 149, kLast);
    p.fill(147, 147, kLast, 149);
}

// oekakiBBS: the channel's letter, its bar, and the up and down arrow buttons of its two digits.
void DrawOekakiFrame(Picture& picture, int frame, const Channel& ch) {
    FramePainter p(picture, frame, ch.colour);
    p.cornerSquares();
    p.glyph(ch.letter, 27, 117);
    p.outline(18, 162, 188, 194);
    p.fill(18, 162, 32, 194);
    p.triangle(195, 221, 131, 105);
    p.triangle(255, 281, 131, 105);
    p.triangle(192, 221, 147, 176);
    p.triangle(252, 281, 147, 176);
}

// PaintBBS: a bracket over the slider, solid at the top and dotted further down, and the letter.
void DrawPaintFrame(Picture& picture, int frame, const Channel& ch) {
    constexpr int left = 75, right = 224, top = 129, solidEnd = 154, dottedEnd = 178, dotPitch = 4;
    FramePainter p(picture, frame, ch.colour);
    p.cornerSquares();
    p.fill(left, top, right, top + kStroke - 1);
    p.fill(left, top, left + kStroke - 1, solidEnd);
    p.fill(right - kStroke + 1, top, right, solidEnd);
    for (int y = dottedEnd - kStroke + 1; y > solidEnd; y -= dotPitch) {
        p.fill(left, y, left + kStroke - 1, y + kStroke - 1);
        p.fill(right - kStroke + 1, y, right, y + kStroke - 1);
    }
    p.glyph(ch.letter, 189, 139);
}

// A point of the code kind: a cross whose middle is left open around the source pixel (50, 50),
// view pixels 150 to 152, which is the point taken; the letter says which point it is.
void DrawCodeFrame(Picture& picture, int frame, const Glyph& letter) {
    constexpr int from = 111, gapStart = 144, gapEnd = 158, to = 191, bar = 150;
    FramePainter p(picture, frame, kGuideRed);
    p.fill(from, bar, gapStart, bar + kStroke - 1);
    p.fill(gapEnd, bar, to, bar + kStroke - 1);
    p.fill(bar, from, bar + kStroke - 1, gapStart);
    p.fill(bar, gapEnd, bar + kStroke - 1, to);
    p.glyph(letter, 204, 204);
}

}  // namespace

Picture BuildGuidePicture() {
    Picture picture(kGuideFrameSize * kGuideFrameCount, kGuideFrameSize, kWindowBackground);
    DrawOriginFrame(picture);
    for (int c = 0; c < 3; ++c) {
        DrawOekakiFrame(picture, kGuideOekakiControls + c, kChannels[c]);
        DrawPaintFrame(picture, kGuidePaintSliders + c, kChannels[c]);
    }
    const std::array<const Glyph*, 4> codeLetters = {&kLetterHash, &kLetterField, &kLetterSwatch, &kLetterClose};
    for (std::size_t i = 0; i < codeLetters.size(); ++i)
        DrawCodeFrame(picture, kGuideCodePoints + static_cast<int>(i), *codeLetters[i]);
    return picture;
}

}  // namespace mipro
