#include "drawing/desk_position.h"

#include "app/nearest_int.h"
#include "drawing/draw_step.h"

namespace mipro {

namespace {

// Passes without movement before the rectangle shows where the picture would go.
constexpr int kRestPasses = 100;

// The choosing loop's memory between passes.
struct Choice {
    ScreenPoint lastSeen;
    bool rectShown = false;
    bool armed = true;
    int rest = 0;
};

void ToggleFocusRect(Wizard& w) { w.pf.screen.drawFocusRect(w.st.ScreenDC, w.st.DeskRect); }

void ShowRectAt(Wizard& w, ScreenPoint centre) {
    const ScreenPoint corner = PictureCornerAround(w.st, centre);
    w.st.DeskRect = {corner.x, corner.y, corner.x + w.st.ImgWidth, corner.y + w.st.ImgHeight};
    ToggleFocusRect(w);
}

// One pass of the loop; moving hides the rectangle and starts the rest count again.
void Pass(Wizard& w, Choice& c) {
    w.st.CurPnt = w.pf.pointer.getCursorPos();
    if (w.st.CurPnt != c.lastSeen) {
        if (c.rectShown) {
            ToggleFocusRect(w);
            c.rectShown = false;
            c.armed = true;
            c.rest = 0;
        }
        c.lastSeen = w.st.CurPnt;
        w.pf.window.doEvents();
        return;
    }
    if (c.armed && ++c.rest > kRestPasses) {
        ShowRectAt(w, w.st.CurPnt);
        c.rectShown = true;
        c.armed = false;
    }
    w.pf.window.doEvents();
}

}  // namespace

ScreenPoint ScreenCentre(Wizard& w) {
    return {NearestInt(w.pf.screen.widthTwips() / w.st.TwipsX / 2),
            NearestInt(w.pf.screen.heightTwips() / w.st.TwipsY / 2)};
}

ScreenPoint PictureCornerAround(const State& st, ScreenPoint centre) {
    return {NearestInt(centre.x - st.ImgWidth / 2.0), NearestInt(centre.y - st.ImgHeight / 2.0)};
}

void SetPosDrawDeskTop(Wizard& w) {
    // The captured main window receives the button release wherever the pointer is, even minimised.
    w.pf.window.setCapture();
    Choice c;
    c.lastSeen = ScreenCentre(w);
    w.pf.pointer.setCursorPos(c.lastSeen);
    w.st.DeskWaiting = True;
    while (w.st.DeskWaiting != False) Pass(w, c);
    if (c.rectShown) ToggleFocusRect(w);
    w.pf.window.releaseCapture();
}

void Form_MouseUp(Wizard& w) {
    if (w.st.DeskWaiting == False) return;
    w.st.CurPnt = w.pf.pointer.getCursorPos();
    w.st.DeskPnt = PictureCornerAround(w.st, w.st.CurPnt);
    w.st.DeskWaiting = False;
}

}  // namespace mipro
