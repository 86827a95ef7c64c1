// The colour controls of a ColourCode board: the code field, reached as the board's opener says,
// and what presses and keys do to it.
//
//   None    the field is always shown; a press on it gives it the focus.
//   Button  the field shows once "#" is pressed, focused with the current colour's code selected;
//           Enter with a valid code applies it and hides the field again. "#" pressed while it is
//           shown opens it anew.
//   Window  "#" opens a window over the canvas holding the field (focused, the code selected)
//           and a close button; the code applies as soon as the text is a valid code, and on
//           Enter. Neither Enter nor a press elsewhere closes it: its close button does, or "#"
//           pressed again. A press inside the window keeps the focus where it is.
//
// A press anywhere else takes the focus away. A busy page can miss the focus: the dropFocusAt-th
// request for it (a press on the field or an opening by "#", counted together) leaves the field
// without the focus, once.
#pragma once

#include <optional>

#include "board/code_field.h"
#include "board/layout.h"

namespace mipro::board {

class CodePanel {
public:
    // dropFocusAt: 0 when the focus is never missed.
    CodePanel(CodeOpener opener, int dropFocusAt);

    enum class Hit { Elsewhere, Control, Window };
    // A press at p while the current colour is `current`: where among the panel's parts it landed.
    Hit press(const Layout& layout, Point p, Colour current);

    bool fieldShown() const { return opener_ == CodeOpener::None || open_; }
    bool windowOpen() const { return opener_ == CodeOpener::Window && open_; }
    bool focused() const { return field_.focused(); }
    const CodeField& field() const { return field_; }

    // Keys that reach the focused field; each gives the colour the field applies, if any.
    std::optional<Colour> enter();
    std::optional<Colour> type(char32_t c);
    std::optional<Colour> backspace();
    std::optional<Colour> deleteForward();
    void selectAll() { field_.selectAll(); }

    // The current colour was set elsewhere (the palette): the field shows its code.
    void showColour(Colour c) { field_.showUnfocused(CodeOf(c)); }

private:
    void pressWindow(const Layout& layout, Point p);
    void pressOpener(Colour current);
    void focusField();
    bool focusGranted();
    void close();
    std::optional<Colour> edited(bool changed) const;

    CodeOpener opener_;
    int dropFocusAt_;
    long focusRequests_ = 0;
    bool open_ = false;
    CodeField field_;
};

}  // namespace mipro::board
