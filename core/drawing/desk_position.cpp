#include "drawing/desk_position.h"

#include "base/nearest_int.h"
#include "wizard/pointer_places.h"
#include "wizard/resting_focus_rect.h"

namespace mipro {

namespace {

// Draws DeskRect, where ShowRectAt last put it, on the screen held by the run; a focus rectangle
// drawn twice is gone, so the same call erases it.
void ToggleFocusRect(Wizard& w) { w.pf.screen.drawFocusRect(w.st.ScreenDC, w.st.DeskRect); }

void ShowRectAt(Wizard& w, ScreenPoint centre) {
    const ScreenPoint corner = PictureCornerAround(w.st, centre);
    w.st.DeskRect = {corner.x, corner.y, corner.x + w.st.ImgWidth, corner.y + w.st.ImgHeight};
    ToggleFocusRect(w);
}

// One pass of the loop: the rectangle follows the resting pointer.
void Pass(Wizard& w, ScreenPoint& lastSeen, RestingFocusRect& rect) {
    w.st.CurPnt = w.pf.pointer.getCursorPos();
    const bool moved = w.st.CurPnt != lastSeen;
    lastSeen = w.st.CurPnt;
    switch (rect.pass(moved)) {
        case RestingFocusRect::Action::Erase: ToggleFocusRect(w); break;
        case RestingFocusRect::Action::Draw: ShowRectAt(w, w.st.CurPnt); break;
        case RestingFocusRect::Action::None: break;
    }
    w.pf.window.doEvents();
}

}  // namespace

ScreenPoint PictureCornerAround(const State& st, ScreenPoint centre) {
    return {NearestInt(centre.x - st.ImgWidth / 2.0), NearestInt(centre.y - st.ImgHeight / 2.0)};
}

void SetPosDrawDeskTop(Wizard& w) {
    // The captured main window receives the button release wherever the pointer is, even minimised.
    w.pf.window.setCapture();
    ScreenPoint lastSeen = ScreenCentre(w);
    w.pf.pointer.setCursorPos(lastSeen);
    RestingFocusRect rect;
    w.st.DeskWaiting = True;
    while (w.st.DeskWaiting != False) Pass(w, lastSeen, rect);
    if (rect.shown()) ToggleFocusRect(w);
    w.pf.window.releaseCapture();
}

void Form_MouseUp(Wizard& w) {
    if (w.st.DeskWaiting == False) return;
    w.st.CurPnt = w.pf.pointer.getCursorPos();
    w.st.DeskPnt = PictureCornerAround(w.st, w.st.CurPnt);
    w.st.DeskWaiting = False;
}

}  // namespace mipro
