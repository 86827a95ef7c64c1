#include "wizard/resting_focus_rect.h"

namespace mipro {

void RestingFocusRect::drawnNow() {
    shown_ = true;
    due_ = false;
    restCount_ = 0;
}

RestingFocusRect::Action RestingFocusRect::pass(bool pointerMoved) {
    if (pointerMoved) {
        if (!shown_) return Action::None;
        shown_ = false;
        due_ = true;
        restCount_ = 0;
        return Action::Erase;
    }
    if (!due_ || ++restCount_ <= kRestPasses) return Action::None;
    drawnNow();
    return Action::Draw;
}

}  // namespace mipro
