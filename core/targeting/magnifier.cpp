#include "targeting/magnifier.h"

#include "base/nearest_int.h"
#include "targeting/capture_record.h"
#include "targeting/guide_picture.h"
#include "wizard/pointer_places.h"
#include "wizard/sound_cues.h"

namespace mipro {

namespace {

// Off the screen, where the window waits until it is sized and shown.
constexpr double kOffScreenTwips = -10000;

constexpr ColourValue kWhite = 0xFFFFFF;
constexpr ColourValue kBlack = 0x000000;

struct PlacedText {
    int x, y;
    const char* text;
};

constexpr PlacedText kHelpTexts[] = {
    {59, 4, "Cursor Key: Window Move 1 Pixel"},
    {59, 19, "Enter Key: Position Set"},
    {59, 34, "ESC Key: Cancel"},
};
constexpr int kCoordinateX = 169;
constexpr int kCoordinateY = 34;

}  // namespace

std::string CoordinateText(ScreenPoint p) {
    return " ( " + std::to_string(p.x) + " , " + std::to_string(p.y) + " )";
}

// The pointer shape, the device contexts and the focus rectangle taken for the loop, given back
// however the loop ends.
class Magnifier::LoopResources {
public:
    LoopResources(Magnifier& m, const RestingFocusRect& mark) : m_(m), mark_(mark) {
        Platform& pf = m_.w_.pf;
        pf.pointer.setShape(PointerShape::SizeAll);
        m_.hDeskWnd = pf.screen.desktopWindow();
        m_.hDeskDC = pf.screen.getDC(m_.hDeskWnd);
        m_.hScrDC = pf.screen.getDC(0);
    }
    ~LoopResources() {
        Platform& pf = m_.w_.pf;
        pf.pointer.setShape(PointerShape::Default);
        if (mark_.shown()) pf.screen.drawFocusRect(m_.hScrDC, m_.FocusRc);
        pf.screen.releaseDC(m_.hDeskWnd, m_.hDeskDC);
        pf.screen.releaseDC(0, m_.hScrDC);
        m_.Running = false;
    }
    LoopResources(const LoopResources&) = delete;
    LoopResources& operator=(const LoopResources&) = delete;

private:
    Magnifier& m_;
    const RestingFocusRect& mark_;
};

Magnifier::Magnifier(Wizard& w) : w_(w), window_(w.pf.screen.loadMagnifier(*this)) {
    guide_loaded_ = window_->loadGuide(BuildGuidePicture());
}

void Magnifier::InitFormSize() {
    g_ = MagnifierGeometryFor(w_.st.TwipsX, w_.st.TwipsY);
    window_->resize(g_.width, g_.height);
    SubPos = 0;
    slots_ = CaptureSlots(w_.st.StepNo, w_.st.BoardKind, w_.st.codeChoices);
    GuideBase = GuideFrameFor(w_.st.StepNo, w_.st.BoardKind, 0);
}

void Magnifier::centreOnPointer() {
    w_.st.CurPnt = w_.pf.pointer.getCursorPos();
    const TwipsPoint at = PlaceOnPointer(g_, w_.st.TwipsX, w_.st.TwipsY, w_.st.CurPnt);
    window_->move(at.left, at.top);
}

void Magnifier::WndPosDefault() {
    w_.pf.pointer.setCursorPos(ScreenCentre(w_));
    centreOnPointer();
    w_.pf.window.doEvents();
}

void Magnifier::WndPosGo(ScreenPoint c) {
    w_.pf.pointer.setCursorPos(c);
    centreOnPointer();
    w_.pf.window.doEvents();
}

void Magnifier::MoveWndProc() {
    RestingFocusRect mark;
    LoopResources held(*this, mark);

    const std::optional<ScreenPoint> start = CapturedMagPoint(w_.st.capture, w_.st.StepNo, w_.st.BoardKind, slot());
    if (start) WndPosGo(*start);
    else WndPosDefault();

    // The window's own corner differs from the pointer, so the first pass draws the view.
    LastPnt = {NearestInt(window_->left() / w_.st.TwipsX), NearestInt(window_->top() / w_.st.TwipsY)};
    FocusRc = SourceSquareAround(g_, w_.st.CurPnt);
    w_.pf.screen.drawFocusRect(hScrDC, FocusRc);
    // Shown and therefore not due: drawing it again while it shows would erase it.
    mark.drawnNow();
    // A window closed while it was being placed ends positioning before it starts.
    Running = !Unloaded;

    while (Running) pass(mark);
}

void Magnifier::pass(RestingFocusRect& mark) {
    w_.st.CurPnt = w_.pf.pointer.getCursorPos();
    const bool moved = w_.st.CurPnt != LastPnt;
    switch (mark.pass(moved)) {
        case RestingFocusRect::Action::Erase:
            w_.pf.screen.drawFocusRect(hScrDC, FocusRc);
            break;
        case RestingFocusRect::Action::Draw:
            FocusRc = SourceSquareAround(g_, w_.st.CurPnt);
            w_.pf.screen.drawFocusRect(hScrDC, FocusRc);
            break;
        case RestingFocusRect::Action::None:
            break;
    }
    if (moved) {
        const TwipsPoint at = PlaceOnPointer(g_, w_.st.TwipsX, w_.st.TwipsY, w_.st.CurPnt);
        window_->move(at.left, at.top);
        window_->focus();
        drawView();
        LastPnt = w_.st.CurPnt;
    }
    w_.pf.window.doEvents();
}

void Magnifier::drawView() {
    const ScreenPoint source = SourcePoint(g_, w_.st.TwipsX, w_.st.TwipsY, {window_->left(), window_->top()}, 0, 0);
    window_->stretchFrom(hDeskDC, source.x, source.y);
    // A window that could not hold the guide shows the view alone.
    if (guide_loaded_) window_->andGuideFrame(GuideBase + slot());
    // White first, then black one pixel lower right, so the texts read on any background.
    drawTexts(0, 0, kWhite);
    drawTexts(1, 1, kBlack);
}

void Magnifier::drawTexts(int dx, int dy, ColourValue colour) {
    for (const PlacedText& t : kHelpTexts) window_->textOut(t.x + dx, t.y + dy, t.text, colour);
    window_->textOut(kCoordinateX + dx, kCoordinateY + dy, CoordinateText(w_.st.CurPnt), colour);
}

void Magnifier::Form_KeyDown(MagnifierKey KeyCode) {
    // Keys still queued after positioning has ended would record past the last channel.
    if (!Running) return;
    ScreenPoint& p = w_.st.CurPnt;
    p = w_.pf.pointer.getCursorPos();
    switch (KeyCode) {
        case MagnifierKey::Left: --p.x; w_.pf.pointer.setCursorPos(p); break;
        case MagnifierKey::Right: ++p.x; w_.pf.pointer.setCursorPos(p); break;
        case MagnifierKey::Up: --p.y; w_.pf.pointer.setCursorPos(p); break;
        case MagnifierKey::Down: ++p.y; w_.pf.pointer.setCursorPos(p); break;
        case MagnifierKey::Enter: confirm(); break;
        case MagnifierKey::Escape: stepBackOrCancel(); break;
        case MagnifierKey::Other: break;
    }
}

void Magnifier::Form_MouseUp(MouseButton Button) {
    if (Button == MouseButton::Left) Form_KeyDown(MagnifierKey::Enter);
    else if (Button == MouseButton::Right) Form_KeyDown(MagnifierKey::Escape);
}

void Magnifier::Form_Unload() {
    Unloaded = true;
    Running = false;
}

// CurPnt is the pointer Form_KeyDown read before it called here.
void Magnifier::confirm() {
    PlaySnd(w_, "ENTER");
    State& st = w_.st;
    const Confirmation c{st.StepNo, st.BoardKind, slot(), {window_->left(), window_->top()}, st.CurPnt};
    RecordCapture(st.capture, g_, st.TwipsX, st.TwipsY, c);
    if (st.StepNo != kColourControlStep) {
        Running = false;
        st.StepDone(st.StepNo, st.BoardKind) = True;
        return;
    }
    ++SubPos;
    if (SubPos == static_cast<int>(slots_.size())) {
        Running = false;
        st.StepDone(st.StepNo, st.BoardKind) = True;
    } else if (const auto next = CapturedMagPoint(st.capture, st.StepNo, st.BoardKind, slot())) {
        WndPosGo(*next);
    }
    redrawNextPass();
}

int Magnifier::slot() const {
    return SubPos < static_cast<int>(slots_.size()) ? slots_[static_cast<std::size_t>(SubPos)] : SubPos;
}

void Magnifier::stepBackOrCancel() {
    PlaySnd(w_, "CANCEL");
    if (SubPos == 0) {
        Running = false;
        return;
    }
    if (w_.st.StepNo != kColourControlStep) return;
    // Back to where the previous control was confirmed moments ago.
    --SubPos;
    const ScreenPoint previous = MagPoint(w_.st.capture, w_.st.StepNo, w_.st.BoardKind, slot());
    WndPosGo(previous);
    redrawNextPass();
}

// Makes the next pass see a moved pointer, so it draws the view with the current guide frame.
void Magnifier::redrawNextPass() {
    --LastPnt.x;
    --LastPnt.y;
}

void RunMagnifier(Wizard& w) {
    Magnifier mag(w);
    mag.window().move(kOffScreenTwips, kOffScreenTwips);
    mag.InitFormSize();
    mag.window().show();
    mag.MoveWndProc();
}

}  // namespace mipro
