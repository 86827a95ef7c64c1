#include "drawing/pen_trust.h"

#include <optional>

#include "drawing/board_colour.h"
#include "interfaces/dialogs.h"
#include "targeting/board_kinds.h"

namespace mipro {

namespace {

// The board paints a drag in its own time: the row is looked at this often, this long.
constexpr int kLookEveryMs = 20;
constexpr int kShowWaitMs = 300;

const std::string kLinesGivenUp =
    "線で描いた行が最後まで描かれていませんでした (手ぶれ補正などが考えられます)。\r\n"
    "そのあとは 1 ピクセルずつ描きました。";

// How much of the row shows the colour: none, its first pixel only, or all of it.
enum class RowSeen { Nothing, Short, Whole };

RowSeen LookAtRow(Wizard& w, const Stroke& s, ColourValue colour) {
    const ScreenPoint origin = CanvasOrigin(w.st);
    const ScreenRect row{origin.x + s.first.x, origin.y + s.first.y, origin.x + s.lastX + 1, origin.y + s.first.y + 1};
    const std::optional<Picture> seen = w.pf.screen.readPixels(row);
    if (!seen || seen->empty() || seen->point(0, 0) != colour) return RowSeen::Nothing;
    for (int x = 1; x < seen->width(); ++x)
        if (seen->point(x, 0) != colour) return RowSeen::Short;
    return RowSeen::Whole;
}

}  // namespace

bool PenTrust::drawnInFull(Wizard& w, const Stroke& s) {
    if (given_up_ || looks_left_ == 0 || s.single()) return !given_up_;
    const ColourValue colour = ShownColour(ColourRuleOf(w.st), s.first);
    // Off the canvas, so that no pen a board draws under the pointer shows in the row.
    w.pf.pointer.setCursorPos(StartPoint(w.st));
    RowSeen seen = LookAtRow(w, s, colour);
    for (int waited = 0; seen != RowSeen::Whole && waited < kShowWaitMs; waited += kLookEveryMs) {
        w.pf.clock.sleep(kLookEveryMs);
        seen = LookAtRow(w, s, colour);
    }
    if (seen == RowSeen::Nothing) return true;
    --looks_left_;
    given_up_ = seen == RowSeen::Short;
    return !given_up_;
}

void TellLinesGivenUp(Wizard& w) {
    w.pf.dialogs.messageBox(kLinesGivenUp, MsgBox::OkOnly | MsgBox::Information, w.st.AppTitle);
}

}  // namespace mipro
