#include "board/code_panel.h"

namespace mipro::board {

CodePanel::CodePanel(CodeOpener opener, int dropFocusAt) : opener_(opener), dropFocusAt_(dropFocusAt) {
    showColour(kBlack);
}

CodePanel::Hit CodePanel::press(const Layout& layout, Point p, Colour current) {
    if (windowOpen() && layout.codeWindow().contains(p)) {
        pressWindow(layout, p);
        return Hit::Window;
    }
    if (opener_ != CodeOpener::None && layout.codeOpener().contains(p)) {
        pressOpener(current);
        return Hit::Control;
    }
    if (opener_ != CodeOpener::Window && fieldShown() && layout.codeField().contains(p)) {
        focusField();
        return Hit::Control;
    }
    field_.blur();
    return Hit::Elsewhere;
}

void CodePanel::pressWindow(const Layout& layout, Point p) {
    if (layout.codeClose().contains(p)) close();
    else if (layout.codeField().contains(p)) focusField();
}

void CodePanel::pressOpener(Colour current) {
    if (windowOpen()) {
        close();
        return;
    }
    open_ = true;
    if (focusGranted()) field_.openWith(CodeOf(current));
    else field_.showUnfocused(CodeOf(current));
}

void CodePanel::focusField() {
    if (focusGranted()) field_.focusAtEnd();
    else field_.blur();
}

bool CodePanel::focusGranted() { return ++focusRequests_ != dropFocusAt_; }

void CodePanel::close() {
    open_ = false;
    field_.blur();
}

std::optional<Colour> CodePanel::enter() {
    const std::optional<Colour> colour = ColourOfCode(field_.text());
    if (colour && opener_ == CodeOpener::Button) close();
    return colour;
}

std::optional<Colour> CodePanel::type(char32_t c) { return edited(field_.type(c)); }

std::optional<Colour> CodePanel::backspace() { return edited(field_.backspace()); }

std::optional<Colour> CodePanel::deleteForward() { return edited(field_.deleteForward()); }

// The window's field applies its code as it is typed.
std::optional<Colour> CodePanel::edited(bool changed) const {
    if (!changed || opener_ != CodeOpener::Window) return std::nullopt;
    return ColourOfCode(field_.text());
}

}  // namespace mipro::board
