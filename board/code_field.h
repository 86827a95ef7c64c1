// A one-line text box for a colour code, as an HTML5 painter shows one: the focus, the caret
// always at the end of the text, and a selection that is either the whole text or nothing.
#pragma once

#include <optional>
#include <string>

#include "board/raster.h"

namespace mipro::board {

// "#rrggbb", the way a painter writes its current colour into the field.
std::string CodeOf(Colour c);
// The colour of a valid code: "#RRGGBB" or "RRGGBB", hex digits of either case.
std::optional<Colour> ColourOfCode(const std::string& text);

class CodeField {
public:
    static constexpr std::size_t kMaxLength = 7;

    const std::string& text() const { return text_; }
    bool focused() const { return focused_; }
    // The whole text is selected; only a focused field has a selection.
    bool selected() const { return selected_; }

    // A press on the field: the focus with the caret at the end, nothing selected.
    void focusAtEnd();
    // Opened with this text, focused and all of it selected.
    void openWith(const std::string& text);
    // Shown with this text and no focus.
    void showUnfocused(const std::string& text);
    void blur();
    void selectAll();

    // What typing does to the text; each says whether the text changed. A printable character
    // (ASCII, space included) replaces the selection or is appended while the text is shorter
    // than kMaxLength; any other character is not taken.
    bool type(char32_t c);
    // Backspace takes the selection or the last character, Delete the selection (nothing lies
    // after the caret).
    bool backspace();
    bool deleteForward();

private:
    bool clearSelection();

    std::string text_;
    bool focused_ = false;
    bool selected_ = false;
};

}  // namespace mipro::board
