#include "board/layout.h"

#include <algorithm>

namespace mipro::board {
namespace {

constexpr int kMargin = 10;
constexpr int kPanelHeight = 170;
constexpr Point kCanvasGuideOffset{50, 50};

// Every guide corner lies on even board pixels: at some display scalings the magnifier can only
// start its square on every other screen pixel, and a board at an even position then still lines
// up exactly with each guide.
//
// oekakiBBS controls are stacked 44 pixels apart; the shapes relative to the guide corner.
constexpr Point kOekakiFirstCorner{4, 0};
constexpr int kOekakiPitch = 44;
constexpr Rect kOekakiLetter{9, 39, 17, 48};
constexpr Rect kOekakiBar{6, 54, 62, 64};
constexpr Rect kTensUp{65, 35, 73, 43};
constexpr Rect kOnesUp{85, 35, 93, 43};
constexpr Rect kTensDown{64, 49, 73, 58};
constexpr Rect kOnesDown{84, 49, 93, 58};
constexpr Rect kOekakiValue{100, 46, 118, 52};
constexpr int kTensColumn = 69;
constexpr int kOnesColumn = 89;
constexpr int kUpRow = 41;
constexpr int kDownRow = 52;

// PaintBBS sliders are stacked 22 pixels apart.
constexpr Point kPaintFirstCorner{0, 0};
constexpr int kPaintPitch = 22;
constexpr Rect kBracket{25, 43, 74, 59};
constexpr int kBracketSolidBottom = 51;
constexpr Rect kPaintLetter{63, 46, 71, 55};
constexpr Rect kTrack{26, 44, 74, 57};
constexpr Point kSliderZero{26, 46};
constexpr Rect kPaintValue{80, 47, 98, 53};
constexpr Rect kShiftZone{23, 44, 78, 57};

// The ColourCode panel: the "#" button with the field beside it (where the field also lies when it
// is always there), and the swatch of the current colour below them; its icon is 7 x 7.
constexpr Rect kCodeOpener{8, 40, 22, 54};
constexpr Rect kPanelCodeField{28, 40, 83, 54};
constexpr Rect kColourSwatch{8, 62, 31, 85};
constexpr Point kSwatchIconOffset{8, 8};
constexpr int kSwatchIconSide = 7;
// The swatch's pixel clear of its border and icon lies this far inside its corner.
constexpr int kSwatchClearOffset = 3;
// The code window, from the canvas's first pixel: it lies across the canvas's top-left corner,
// over its frame and its top-left 100 x 48 pixels, with the field and the close button inside it.
constexpr Rect kCodeWindow{-8, -8, 99, 47};
constexpr Rect kWindowCodeField{6, 22, 61, 36};
constexpr Rect kWindowClose{85, 3, 95, 13};
// The window's face is bare this far inside its bottom-right corner.
constexpr int kWindowFaceInset = 3;

// The tool buttons and swatches lie this far from the canvas: its border line and bare board.
constexpr int kControlGap = 4;
constexpr int kToolSide = 24;
constexpr int kToolPitch = 26;
constexpr int kSwatchSide = 16;
constexpr int kSwatchPitch = 18;

int channelIndex(Channel c) { return static_cast<int>(c); }

}  // namespace

Layout::Layout(Kind kind, Size canvas, CodeOpener opener) : kind_(kind), opener_(opener), canvas_(canvas) {
    const Rect lastTool = toolButton(kTools.back());
    const Rect lastSwatch = swatch(kPaletteColours - 1);
    board_.width = std::max(lastTool.right, lastSwatch.right) + 1 + kMargin;
    board_.height = std::max(lastSwatch.bottom + 1 + kMargin, kPanelHeight);
}

Rect Layout::canvasRect() const {
    return {kCanvasOrigin.x, kCanvasOrigin.y, kCanvasOrigin.x + canvas_.width - 1,
            kCanvasOrigin.y + canvas_.height - 1};
}

Point Layout::canvasGuideCorner() const {
    return {kCanvasOrigin.x - kCanvasGuideOffset.x, kCanvasOrigin.y - kCanvasGuideOffset.y};
}

Point Layout::guideCorner(Channel c) const {
    if (kind_ == Kind::OekakiBBS) return kOekakiFirstCorner + Point{0, kOekakiPitch * channelIndex(c)};
    return kPaintFirstCorner + Point{0, kPaintPitch * channelIndex(c)};
}

OekakiControl Layout::oekakiControl(Channel c) const {
    const Point at = guideCorner(c);
    return {kOekakiLetter.movedBy(at), kOekakiBar.movedBy(at),     kTensUp.movedBy(at),
            kTensDown.movedBy(at),     kOnesUp.movedBy(at),        kOnesDown.movedBy(at),
            kOekakiValue.movedBy(at)};
}

Rect Layout::arrowButton(Channel c, Arrow a) const {
    const OekakiControl control = oekakiControl(c);
    switch (a) {
        case Arrow::TensUp: return control.tensUp;
        case Arrow::TensDown: return control.tensDown;
        case Arrow::OnesUp: return control.onesUp;
        case Arrow::OnesDown: return control.onesDown;
    }
    return {};
}

Point Layout::arrowPoint(Channel c, Arrow a) const {
    const bool tens = a == Arrow::TensUp || a == Arrow::TensDown;
    const bool up = a == Arrow::TensUp || a == Arrow::OnesUp;
    return guideCorner(c) + Point{tens ? kTensColumn : kOnesColumn, up ? kUpRow : kDownRow};
}

PaintControl Layout::paintControl(Channel c) const {
    const Point at = guideCorner(c);
    return {kBracket.movedBy(at), kBracketSolidBottom + at.y, kPaintLetter.movedBy(at), kTrack.movedBy(at),
            kSliderZero + at,     kPaintValue.movedBy(at),    kShiftZone.movedBy(at)};
}

Rect Layout::codeOpener() const { return kCodeOpener; }

Rect Layout::codeField() const {
    return opener_ == CodeOpener::Window ? kWindowCodeField.movedBy(kCanvasOrigin) : kPanelCodeField;
}

Rect Layout::codeWindow() const { return kCodeWindow.movedBy(kCanvasOrigin); }

Rect Layout::codeClose() const { return kWindowClose.movedBy(kCanvasOrigin); }

Point Layout::codeWindowFace() const {
    const Rect window = codeWindow();
    return {window.right - kWindowFaceInset, window.bottom - kWindowFaceInset};
}

Rect Layout::colourSwatch() const { return kColourSwatch; }

Point Layout::swatchPixel() const { return {kColourSwatch.left + kSwatchClearOffset, kColourSwatch.top + kSwatchClearOffset}; }

Rect Layout::swatchIcon() const {
    const Point at = Point{kColourSwatch.left, kColourSwatch.top} + kSwatchIconOffset;
    return {at.x, at.y, at.x + kSwatchIconSide - 1, at.y + kSwatchIconSide - 1};
}

Rect Layout::toolButton(Tool t) const {
    const int left = canvasRect().right + kControlGap;
    const int top = kCanvasOrigin.y + kToolPitch * static_cast<int>(t);
    return {left, top, left + kToolSide - 1, top + kToolSide - 1};
}

Rect Layout::swatch(int index) const {
    const int belowCanvas = canvasRect().bottom + kControlGap;
    const int belowTools = toolButton(kTools.back()).bottom + kControlGap;
    const int top = std::max(belowCanvas, belowTools);
    const int left = kCanvasOrigin.x + kSwatchPitch * index;
    return {left, top, left + kSwatchSide - 1, top + kSwatchSide - 1};
}

}  // namespace mipro::board
