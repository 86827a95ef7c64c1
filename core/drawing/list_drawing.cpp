#include "drawing/list_drawing.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "drawing/board_colour.h"
#include "drawing/board_pace.h"
#include "drawing/draw_run.h"
#include "drawing/group_landing.h"
#include "targeting/board_kinds.h"
#include "interfaces/dialogs.h"
#include "targeting/window_checks.h"

namespace mipro {

namespace {

constexpr int kSettleMs = 1500;
constexpr int kRefocusClickMs = 100;
constexpr int kFullPercent = 100;
constexpr std::int32_t kTop = 255;
// At the board's own pace: the pixels of strokes drawn before a read-back, and how often a
// group's misses are drawn again before the check after the run is left to them.
constexpr std::int32_t kGroupPixels = 256;
constexpr int kMostRedraws = 6;

const std::string kCrLf = "\r\n";
const std::string kGoOnDrawing = "描画を続けますか？";
const std::string kStoppedCaption = " 描画中止 (色を設定できませんでした)";
const std::string kColourNotShown =
    "色コードを入力しましたが、掲示板の今の色が変わりませんでした。" + kCrLf +
    "入力欄が選ばれていなかった (文字が掲示板のショートカットになった) などが考えられます。" + kCrLf +
    "その色では何も描かずに、描画を中止しました。入力欄と今の色の位置を確かめてください。";
const std::string kCanvasCovered =
    "色コードを入力したあとも、描画エリアの上に何か (色コードのウィンドウなど) が重なっています。" + kCrLf +
    "その色では何も描かずに、描画を中止しました。閉じるボタンの位置を設定してください。";

bool OnDesktop(const State& st) { return st.DeskTopMode != False; }

ColourValue ColourOf(const PixelLine& px) {
    const auto component = [](const std::string& s) { return std::clamp(NumericValue(s), 0, kTop); };
    return component(px.red) | component(px.green) << 8 | component(px.blue) << 16;
}

// The whole per cent drawn so far. An empty list counts as all drawn.
int PercentDone(std::int64_t counter, std::int32_t total) {
    if (total <= 0) return kFullPercent;
    return static_cast<int>(counter * kFullPercent / total);
}

ScreenPoint OnCanvas(const State& st, const PixelLine& px, std::int32_t x) {
    const ScreenPoint origin = CanvasOrigin(st);
    return {origin.x + x, origin.y + px.y};
}

// What getting ready for a stroke found.
enum class Ready { Yes, HandSeen, ColourNotSet, CanvasCovered };

// A colour the board did not take: a hand on the mouse may have kept the keys back, and is asked
// about as anywhere; otherwise the board took the code somewhere else.
Ready NotTaken(Wizard& w, ColourSet set) {
    const ScreenPoint rest = StartPoint(w.st);
    if (HandMoved(w, rest.x, rest.y)) return Ready::HandSeen;
    return set == ColourSet::CanvasCovered ? Ready::CanvasCovered : Ready::ColourNotSet;
}

// Sets the stroke's colour and puts the pointer on its first pixel; Yes when no hand was seen on
// the way. Desktop mode has no colour to set, and P stays on the previous pixel.
Ready ReadyFor(Wizard& w, const Stroke& s, ScreenPoint& P) {
    if (!OnDesktop(w.st)) {
        if (!RecoverBoardColour(w)) return Ready::HandSeen;
        const ColourSet set = SetBoardColour(w, s.first);
        if (set != ColourSet::Done) return NotTaken(w, set);
        P = OnCanvas(w.st, s.first, s.first.x);
    }
    w.pf.pointer.setCursorPos(P);
    w.pf.clock.sleep(w.st.SpeedWait);
    return InterruptDraw(w, P.x, P.y) == kGoOn ? Ready::Yes : Ready::HandSeen;
}

void PaintOnDesktop(Wizard& w, const PixelLine& px, ScreenPoint& P) {
    P = DesktopPoint(w.st, px);
    w.pf.pointer.setCursorPos(P);
    w.pf.screen.setPixel(w.st.ScreenDC, P.x, P.y, ColourOf(px));
}

// A click on the pixel the pointer was just placed on; false when a hand was seen then (its press
// may have been withheld, or the hand may have clicked elsewhere). At the design's speeds the
// pointer is placed there again before each button event.
bool ClickPixel(Wizard& w, ScreenPoint P) {
    const bool placeAgain = PlaceAgainBeforeRelease(w.st);
    if (placeAgain) w.pf.pointer.setCursorPos(P);
    w.pf.pointer.leftButtonDown();
    w.pf.clock.sleep(w.st.SpeedWait);
    if (placeAgain) w.pf.pointer.setCursorPos(P);
    w.pf.pointer.leftButtonUp();
    w.pf.clock.sleep(w.st.SpeedWait);
    return !HandMoved(w, P.x, P.y);
}

// Press on the first pixel, move to the last, release there, with the speed's pause after each
// event. The hand is looked for after the press and again before the release: a hand seen after
// the press ends the drag at once, released on its own row; one seen after the move (it may have
// dragged the pen while the button was down) leaves the stroke counted as not drawn. False then.
bool DragRow(Wizard& w, const Stroke& s, ScreenPoint P) {
    const ScreenPoint last = OnCanvas(w.st, s.first, s.lastX);
    w.pf.pointer.setCursorPos(P);
    w.pf.pointer.leftButtonDown();
    w.pf.clock.sleep(w.st.SpeedWait);
    bool handAway = HandMoved(w, P.x, P.y);
    if (!handAway) {
        w.pf.pointer.setCursorPos(last);
        w.pf.clock.sleep(w.st.SpeedWait);
        handAway = HandMoved(w, last.x, last.y);
    }
    w.pf.pointer.leftButtonUp();
    w.pf.clock.sleep(w.st.SpeedWait);
    return !handAway;
}

// False when a hand was seen during a click or a drag.
bool DrawStroke(Wizard& w, const Stroke& s, ScreenPoint& P) {
    if (OnDesktop(w.st)) {
        PaintOnDesktop(w, s.first, P);
        return true;
    }
    if (s.single()) return ClickPixel(w, P);
    return DragRow(w, s, P);
}

// Draws one stroke, asking the user whenever a hand is seen.
ListEnd DrawWithHandCheck(Wizard& w, const Stroke& s, ScreenPoint& P) {
    for (;;) {
        const Ready ready = ReadyFor(w, s, P);
        if (ready == Ready::ColourNotSet) return ListEnd::ColourNotSet;
        if (ready == Ready::CanvasCovered) return ListEnd::CanvasCovered;
        if (ready == Ready::Yes && DrawStroke(w, s, P)) return ListEnd::Drawn;
        // Some click or key may have been withheld or taken by the hand.
        ForgetBoardColour(w);
        if (!GoOnAfterHandMoved(w)) return ListEnd::Stopped;
        // The desktop has nothing to set again: its pixel is painted as the line asks.
        if (OnDesktop(w.st)) {
            PaintOnDesktop(w, s.first, P);
            return ListEnd::Drawn;
        }
    }
}

// The percentage drawn, shown in the caption at each new whole per cent.
struct Progress {
    const ListDrawing& how;
    std::int64_t counter = 0;
    int shownPercent = 0;

    void count(Wizard& w, std::int32_t lines) {
        counter += lines;
        const int percent = PercentDone(counter, how.total);
        if (percent == shownPercent) return;
        w.pf.window.setWindowCaption(how.caption(percent));
        shownPercent = percent;
        w.pf.window.doEvents();
    }
};

// The next strokes of the list, as many as reach `most` pixels; false at the list's end.
bool NextGroup(StrokeReader& strokes, std::int32_t most, std::vector<Stroke>& group) {
    group.clear();
    std::int32_t pixels = 0;
    Stroke s;
    while (pixels < most && strokes.next(s)) {
        group.push_back(s);
        pixels += s.lastX - s.first.x + 1;
    }
    return !group.empty();
}

std::vector<PixelLine> PixelsOf(const std::vector<Stroke>& group) {
    std::vector<PixelLine> pixels;
    for (const Stroke& s : group) {
        const std::vector<PixelLine> row = PixelsOf(s);
        pixels.insert(pixels.end(), row.begin(), row.end());
    }
    return pixels;
}

ListEnd DrawGroup(Wizard& w, StrokeReader& strokes, const std::vector<Stroke>& group, const ListDrawing& how,
                  Progress& progress, ScreenPoint& P) {
    for (const Stroke& s : group) {
        // A logoff or a signal waits for no percentage: it is let through before every stroke.
        w.pf.window.deliverSessionEnd();
        if (const ListEnd end = DrawWithHandCheck(w, s, P); end != ListEnd::Drawn) return end;
        if (how.pen && !how.pen->drawnInFull(w, s)) strokes.stopJoining();
        progress.count(w, s.lines);
    }
    return ListEnd::Drawn;
}

// The group's pixels read back: what did not land is clicked again, one pixel at a time, a pace
// slower each time, until the group shows whole or the redraws run out (the check after the run
// sees what is left). A pixel in a colour the board did not take as it was set leaves the board's
// colour unknown: it is brought back to a known one before the redraw.
ListEnd DrawUntilLanded(Wizard& w, std::vector<PixelLine> pixels, std::optional<std::vector<ColourValue>> before,
                        BoardPace& pace, ScreenPoint& P) {
    for (int redraw = 0; before; ++redraw) {
        Landing landing = LookAfterGroup(w, pixels, *before);
        if (!landing.seen) break;
        pace.landed(landing.missed.empty());
        if (landing.missed.empty() || redraw == kMostRedraws) return ListEnd::Drawn;
        if (landing.colourWrong) ForgetBoardColour(w);
        for (const PixelLine& px : landing.missed) {
            if (const ListEnd end = DrawWithHandCheck(w, {px, px.x, 0}, P); end != ListEnd::Drawn) return end;
        }
        pixels = std::move(landing.missed);
        before = std::move(landing.now);
    }
    pace.unseen();
    return ListEnd::Drawn;
}

}  // namespace

ScreenPoint DesktopPoint(const State& st, const PixelLine& px) { return {st.DeskPnt.x + px.x, st.DeskPnt.y + px.y}; }

void ClickHere(Wizard& w, int holdMs, int afterMs) {
    w.pf.pointer.leftButtonDown();
    w.pf.clock.sleep(holdMs);
    w.pf.pointer.leftButtonUp();
    w.pf.clock.sleep(afterMs);
}

bool GoOnAfterHandMoved(Wizard& w) {
    const int answer = w.pf.dialogs.messageBox(kGoOnDrawing, MsgBox::YesNo | MsgBox::Exclamation, w.st.AppTitle);
    if (answer != MsgBox::AnswerYes) return false;
    w.pf.clock.sleep(kSettleMs);
    if (!OnDesktop(w.st)) {
        w.pf.pointer.setCursorPos(StartPoint(w.st));
        ClickHere(w, kRefocusClickMs, kRefocusClickMs);
    }
    return true;
}

ListEnd DrawPixelList(Wizard& w, PixelSource& source, const ListDrawing& how, ScreenPoint& P) {
    const bool lines = w.st.StrokeRuns != False && !OnDesktop(w.st) && !(how.pen && how.pen->givenUp());
    StrokeReader strokes(source, lines, how.keep);
    strokes.seen = how.seen;
    const bool paced = how.pace && !OnDesktop(w.st);
    Progress progress{how};
    std::vector<Stroke> group;
    while (NextGroup(strokes, paced ? kGroupPixels : 1, group)) {
        const std::vector<PixelLine> pixels = paced ? PixelsOf(group) : std::vector<PixelLine>{};
        const std::optional<std::vector<ColourValue>> before = paced ? LookAtPixels(w, pixels) : std::nullopt;
        if (const ListEnd end = DrawGroup(w, strokes, group, how, progress, P); end != ListEnd::Drawn) return end;
        if (!paced) continue;
        if (const ListEnd end = DrawUntilLanded(w, pixels, before, *how.pace, P); end != ListEnd::Drawn) return end;
    }
    return ListEnd::Drawn;
}

void ReportColourNotTaken(Wizard& w, ListEnd end) {
    w.pf.window.setWindowCaption(kStoppedCaption);
    w.pf.dialogs.messageBox(end == ListEnd::CanvasCovered ? kCanvasCovered : kColourNotShown,
                            MsgBox::OkOnly | MsgBox::Exclamation, w.st.AppTitle);
}

}  // namespace mipro
