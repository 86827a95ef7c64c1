#include "board/code_picture.h"

#include "board/board_picture.h"
#include "board/glyphs.h"
#include "board/shapes.h"

namespace mipro::board {
namespace {

// Inside the field: the text's top-left pixel, and how far the caret and the selection reach
// above and below the text.
constexpr Point kTextOffset{4, 4};
constexpr int kCaretReach = 1;
constexpr int kSelectionReach = 2;
// The "#" on its button, the window's "#" mark and the close button's cross, from their corners.
constexpr Point kOpenerMarkOffset{5, 4};
constexpr Point kWindowMarkOffset{6, 5};
constexpr int kCrossInset = 2;
// Below this brightness (0 to 255) the swatch's icon is drawn in white.
constexpr int kDarkBelow = 128;

int Brightness(Colour c) { return (RedOf(c) * 299 + GreenOf(c) * 587 + BlueOf(c) * 114) / 1000; }

void DrawField(Raster& r, Rect box, const CodeField& field) {
    FillRect(r, box, kFieldColour);
    OutlineRect(r, box, field.focused() ? kFocusColour : kInkColour);
    if (field.focused()) OutlineRect(r, {box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}, kFocusColour);
    const Point text{box.left + kTextOffset.x, box.top + kTextOffset.y};
    const int textEnd = text.x + static_cast<int>(field.text().size()) * kTextAdvance;
    Colour ink = kInkColour;
    if (field.selected() && !field.text().empty()) {
        FillRect(r, {text.x - 1, text.y - kSelectionReach, textEnd - 1, text.y + kDigitSize.height - 1 + kSelectionReach},
                 kSelectionColour);
        ink = kSelectedTextColour;
    }
    DrawSmallText(r, field.text(), text, ink);
    if (field.focused() && !field.selected())
        FillRect(r, {textEnd, text.y - kCaretReach, textEnd, text.y + kDigitSize.height - 1 + kCaretReach}, kInkColour);
}

void DrawButtonBox(Raster& r, Rect box, bool chosen) {
    FillRect(r, box, chosen ? kChosenToolColour : kButtonColour);
    OutlineRect(r, box, kInkColour);
}

void DrawSwatch(Raster& r, const Layout& layout, Colour current) {
    const Rect swatch = layout.colourSwatch();
    FillRect(r, swatch, current);
    OutlineRect(r, swatch, kInkColour);
    const Rect icon = layout.swatchIcon();
    DrawEyedropper(r, {icon.left, icon.top}, Brightness(current) < kDarkBelow ? kWhite : kInkColour);
}

}  // namespace

void DrawCodePanel(Raster& r, const Board& board) {
    const Layout& layout = board.layout();
    const CodePanel& panel = board.codePanel();
    if (layout.opener() != CodeOpener::None) {
        const Rect opener = layout.codeOpener();
        DrawButtonBox(r, opener, panel.fieldShown());
        DrawSmallText(r, "#", Point{opener.left, opener.top} + kOpenerMarkOffset, kInkColour);
    }
    if (layout.opener() != CodeOpener::Window && panel.fieldShown()) DrawField(r, layout.codeField(), panel.field());
    DrawSwatch(r, layout, board.colour());
}

void DrawCodeWindow(Raster& r, const Board& board) {
    const Layout& layout = board.layout();
    if (!board.codePanel().windowOpen()) return;
    const Rect window = layout.codeWindow();
    FillRect(r, window, kWindowColour);
    OutlineRect(r, window, kInkColour);
    DrawSmallText(r, "#", Point{window.left, window.top} + kWindowMarkOffset, kInkColour);
    const Rect close = layout.codeClose();
    DrawButtonBox(r, close, false);
    DrawLine(r, {close.left + kCrossInset, close.top + kCrossInset}, {close.right - kCrossInset, close.bottom - kCrossInset},
             1, kInkColour);
    DrawLine(r, {close.left + kCrossInset, close.bottom - kCrossInset}, {close.right - kCrossInset, close.top + kCrossInset},
             1, kInkColour);
    DrawField(r, layout.codeField(), board.codePanel().field());
}

}  // namespace mipro::board
