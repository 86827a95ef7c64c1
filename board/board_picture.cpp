#include "board/board_picture.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

#include "board/code_picture.h"
#include "board/control_rules.h"
#include "board/glyphs.h"
#include "board/shapes.h"
#include "board/tools.h"

namespace mipro::board {
namespace {

constexpr int kValueDigits = 3;
constexpr int kUnitsPerPixel = 5;
// The oekakiBBS bar is filled from its left end; at 0 only the first five columns are.
constexpr int kBarEmptyFill = 5;
// Inside a tool button: a stroke of the tool for the pen and brush, a white block for the eraser.
constexpr Point kStrokeFrom{6, 17};
constexpr Point kStrokeTo{17, 6};
constexpr Rect kEraserBlock{6, 8, 17, 15};
// The pen cursor: the outline of a 5 x 5 square centred on the pointer, its pixels black and white
// in turn so it shows on any canvas; it is drawn on the canvas only.
constexpr int kCursorReach = 2;

std::string PaddedValue(int value) {
    std::string text = std::to_string(value);
    return std::string(kValueDigits - text.size(), ' ') + text;
}

void DrawOekakiBar(Raster& r, Rect bar, int value, Colour fill) {
    const int span = bar.right - bar.left + 1 - kBarEmptyFill;
    const int filledTo = bar.left + kBarEmptyFill - 1 + value * span / kMaxComponent;
    FillRect(r, {bar.left, bar.top + 1, filledTo, bar.bottom - 1}, fill);
    OutlineRect(r, bar, kInkColour);
    FillRect(r, {bar.left, bar.top, bar.left + kBarEmptyFill - 1, bar.bottom}, kInkColour);
}

void DrawOekakiControl(Raster& r, const Layout& layout, Channel c, int value) {
    const OekakiControl control = layout.oekakiControl(c);
    DrawChannelLetter(r, c, {control.letter.left, control.letter.top}, ChannelColour(c));
    DrawOekakiBar(r, control.bar, value, ChannelColour(c));
    FillUpTriangle(r, control.tensUp, kInkColour);
    FillUpTriangle(r, control.onesUp, kInkColour);
    FillDownTriangle(r, control.tensDown, kInkColour);
    FillDownTriangle(r, control.onesDown, kInkColour);
    DrawSmallText(r, PaddedValue(value), {control.valueText.left, control.valueText.top}, kInkColour);
}

void DrawBracket(Raster& r, const PaintControl& control) {
    const Rect b = control.bracket;
    FillRect(r, {b.left, b.top, b.right, b.top}, kInkColour);
    for (int y = b.top; y <= b.bottom; ++y) {
        const bool dotGap = y > control.solidBottom && (y - control.solidBottom) % 2 == 0;
        if (dotGap) continue;
        r.set(b.left, y, kInkColour);
        r.set(b.right, y, kInkColour);
    }
}

void DrawPaintControl(Raster& r, const Layout& layout, Channel c, int value) {
    const PaintControl control = layout.paintControl(c);
    const Rect track = control.track;
    FillRect(r, track, kTrackColour);
    const int filledTo = control.zero.x + value / kUnitsPerPixel - 1;
    FillRect(r, {track.left, track.top, std::min(filledTo, track.right), track.bottom}, ChannelColour(c));
    DrawBracket(r, control);
    DrawChannelLetter(r, c, {control.letter.left, control.letter.top}, kInkColour);
    DrawSmallText(r, PaddedValue(value), {control.valueText.left, control.valueText.top}, kInkColour);
}

void DrawCanvas(Raster& r, const Board& board) {
    const Rect area = board.layout().canvasRect();
    OutlineRect(r, {area.left - 1, area.top - 1, area.right + 1, area.bottom + 1}, kBlack);
    Blit(r, board.canvas(), {area.left, area.top});
}

void DrawPenCursor(Raster& r, const Board& board) {
    const std::optional<Point> at = board.penCursor();
    if (!at) return;
    const Rect canvas = board.layout().canvasRect();
    for (int dy = -kCursorReach; dy <= kCursorReach; ++dy) {
        for (int dx = -kCursorReach; dx <= kCursorReach; ++dx) {
            const Point p{at->x + dx, at->y + dy};
            const bool onOutline = std::max(std::abs(dx), std::abs(dy)) == kCursorReach;
            if (onOutline && canvas.contains(p)) r.set(p.x, p.y, (dx + dy) % 2 == 0 ? kBlack : kWhite);
        }
    }
}

void DrawToolButton(Raster& r, Rect button, Tool t, bool chosen) {
    FillRect(r, button, chosen ? kChosenToolColour : kButtonColour);
    OutlineRect(r, button, kInkColour);
    const Point at{button.left, button.top};
    if (t == Tool::Eraser) {
        const Rect block = kEraserBlock.movedBy(at);
        FillRect(r, block, kWhite);
        OutlineRect(r, block, kInkColour);
    } else {
        DrawLine(r, kStrokeFrom + at, kStrokeTo + at, StampSide(t), kInkColour);
    }
}

void DrawTools(Raster& r, const Board& board) {
    for (Tool t : kTools) DrawToolButton(r, board.layout().toolButton(t), t, t == board.tool());
}

void DrawPalette(Raster& r, const Layout& layout) {
    for (int i = 0; i < kPaletteColours; ++i) {
        FillRect(r, layout.swatch(i), PaletteColour(i));
        OutlineRect(r, layout.swatch(i), kInkColour);
    }
}

}  // namespace

Colour ChannelColour(Channel c) {
    switch (c) {
        case Channel::Red: return Rgb(210, 30, 30);
        case Channel::Green: return Rgb(30, 170, 30);
        case Channel::Blue: return Rgb(30, 30, 210);
    }
    return kInkColour;
}

Raster DrawBoard(const Board& board) {
    const Layout& layout = board.layout();
    Raster r(layout.boardSize().width, layout.boardSize().height, kPanelColour);
    for (Channel c : kChannels) {
        if (layout.kind() == Kind::OekakiBBS) DrawOekakiControl(r, layout, c, board.value(c));
        if (layout.kind() == Kind::PaintBBS) DrawPaintControl(r, layout, c, board.value(c));
    }
    if (layout.kind() == Kind::ColourCode) DrawCodePanel(r, board);
    DrawCanvas(r, board);
    DrawPenCursor(r, board);
    DrawTools(r, board);
    DrawPalette(r, layout);
    DrawCodeWindow(r, board);
    return r;
}

}  // namespace mipro::board
