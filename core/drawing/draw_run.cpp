#include "drawing/draw_run.h"

#include <optional>
#include <string>

#include "base/nearest_int.h"
#include "drawing/after_check.h"
#include "drawing/board_colour.h"
#include "drawing/board_pace.h"
#include "drawing/desk_position.h"
#include "drawing/list_drawing.h"
#include "drawing/pixel_list_reader.h"
#include "drawing/pen_trust.h"
#include "interfaces/dialogs.h"
#include "targeting/board_kinds.h"
#include "targeting/window_checks.h"
#include "wizard/pointer_places.h"
#include "wizard/sound_cues.h"

namespace mipro {

namespace {

constexpr int kSettleMs = 1500;           // after minimising, between retries, before resuming
constexpr int kFirstAttemptPauseMs = 10;
constexpr int kStartClickHoldMs = 10;
constexpr int kStartClickAfterMs = 100;
constexpr int kEndCuePauseMs = 500;
constexpr int kFullPercent = 100;
constexpr WindowHandle kWholeScreen = 0;

const std::string kCrLf = "\r\n";
const std::string kNoBoardShown = "お絵描き掲示板が表示されていないようです。";
const std::string kDrawOnDesktop = "デスクトップに描画しますか？";
const std::string kStopDrawing = "描画を止めますか？";
const std::string kPickDesktopPlace = "デスクトップに描画する位置を指定してください";
const std::string kListUnreadable =
    "ピクセル情報のファイルを開けませんでした。" + kCrLf + "描画を中止します。";

// Where the run goes after a phase.
enum class Route {
    Prepare,  // bring the board's colour to black first
    Draw,     // replay the pixel list
    Finish,   // the whole list was drawn
    Stop,     // stopped before drawing: the window comes back
    Leave,    // stopped by the user while drawing: the window stays minimised
};

// What one run carries from phase to phase.
struct Run {
    ScreenPoint P;                     // where the pointer was last sent for a pixel
    std::optional<CanvasCheck> check;  // the canvas as read before the first click
    bool checkUnavailable = false;     // the check was wanted but the canvas could not be read
    PenTrust pen;                      // whether rows may still be drawn as lines
    std::optional<BoardPace> pace;     // at the board's own pace: the pause as the board takes presses
    BoardPace* paced() { return pace ? &*pace : nullptr; }
};

bool AskYes(Wizard& w, const std::string& text, int icon) {
    return w.pf.dialogs.messageBox(text, MsgBox::YesNo | icon, w.st.AppTitle) == MsgBox::AnswerYes;
}

bool OnDesktop(const State& st) { return st.DeskTopMode != False; }

std::string ProgressCaption(int percent) { return " 描画 " + std::to_string(percent) + "% 完了..."; }

// Board mode: a pixel inside the canvas, when its size is known. Desktop mode: a pixel on the screen.
bool Drawable(Wizard& w, const PixelLine& px) {
    if (OnDesktop(w.st)) {
        const ScreenPoint p = DesktopPoint(w.st, px);
        const ScreenPoint corner{NearestInt(w.pf.screen.widthTwips() / w.st.TwipsX),
                                 NearestInt(w.pf.screen.heightTwips() / w.st.TwipsY)};
        return p.x >= 0 && p.y >= 0 && p.x < corner.x && p.y < corner.y;
    }
    const CanvasSize& canvas = ChosenCanvas(w.st);
    if (!canvas.known()) return true;
    return px.x >= 0 && px.y >= 0 && px.x < canvas.width && px.y < canvas.height;
}

void StartRun(Wizard& w) {
    w.pf.clock.raiseTimerResolution();
    PlaySnd(w, "CLICK");
    w.pf.window.setFocus({Control::cmdBACK});
    w.pf.window.setTopmost(true);
    w.pf.window.minimize();
    w.st.ScreenDC = w.pf.screen.getDC(kWholeScreen);
    w.pf.clock.sleep(kSettleMs);
    w.st.DeskTopMode = False;
    w.st.ClassCheck = True;
}

Route OfferDesktop(Wizard& w) {
    if (!AskYes(w, kNoBoardShown + kCrLf + kDrawOnDesktop, MsgBox::Question)) return Route::Stop;
    w.st.DeskTopMode = True;
    w.st.ClassCheck = False;
    w.pf.dialogs.messageBox(kPickDesktopPlace, MsgBox::OkOnly | MsgBox::Information, w.st.AppTitle);
    SetPosDrawDeskTop(w);
    w.pf.clock.sleep(kSettleMs);
    return Route::Draw;
}

// A browser shows page pixels as screen pixels only at a zoom that undoes the display's scale.
std::string ZoomNote(double displayScale) {
    return "画面の表示スケールが " + std::to_string(NearestInt(displayScale * 100)) + "% です。" + kCrLf +
           "ブラウザの表示倍率を " + std::to_string(NearestInt(100 / displayScale)) +
           "% にして、ページの 1 ピクセルが画面の 1 ピクセルになるようにしてください。";
}

// Once per program, when the board at the start point is a browser's page on a scaled display.
void NoteBrowserZoom(Wizard& w) {
    const double scale = w.pf.screen.displayScale();
    if (w.st.ZoomNoteShown != False || NearestInt(scale * 100) == kFullPercent) return;
    if (!BrowserUnder(w, StartPoint(w.st))) return;
    w.st.ZoomNoteShown = True;
    w.pf.dialogs.messageBox(ZoomNote(scale), MsgBox::OkOnly | MsgBox::Information, w.st.AppTitle);
}

Route Decide(Wizard& w) {
    const std::int32_t verdict = CheckStartDraw(w);
    if (verdict == kOnBoard) {
        NoteBrowserZoom(w);
        return Route::Prepare;
    }
    if (verdict == kOnDesktopIcons) return OfferDesktop(w);
    if (AskYes(w, kNoBoardShown + kCrLf + kStopDrawing, MsgBox::Question)) return Route::Stop;
    // From here on only the pointer's movement interrupts.
    w.st.ClassCheck = False;
    return Route::Prepare;
}

// The question when part of the picture lies outside the canvas: how much of it will be drawn.
std::string CoverageQuestion(const CanvasSize& canvas, std::int64_t inside, std::int64_t total) {
    const std::int64_t percent = inside * kFullPercent / total;
    return "絵の一部が描画エリア (" + std::to_string(canvas.width) + " x " + std::to_string(canvas.height) +
           ") からはみ出しています。" + kCrLf + "描画エリアの外の " + std::to_string(total - inside) +
           " ピクセルは描かず、絵の " + std::to_string(percent) + "% (" + std::to_string(inside) + " / " +
           std::to_string(total) + " ピクセル) を描画します。" + kCrLf + "描画しますか？";
}

// Board mode: one question before the run when some pixels of the list lie outside the canvas.
Route AskCoverage(Wizard& w) {
    const CanvasSize& canvas = ChosenCanvas(w.st);
    if (!canvas.known()) return Route::Prepare;
    PixelListReader list(w.st.SortFile);
    std::int64_t total = 0, inside = 0;
    std::string text;
    while (list.next(text)) {
        ++total;
        inside += Drawable(w, ParsePixelLine(text)) ? 1 : 0;
    }
    if (inside == total) return Route::Prepare;
    return AskYes(w, CoverageQuestion(canvas, inside, total), MsgBox::Question) ? Route::Prepare : Route::Stop;
}

// What the canvas showed before the first click, for the check after the last.
void ReadCanvasFirst(Wizard& w, Run& run) {
    const ScreenRect canvas = CheckedRect(w.st);
    if (w.st.CheckAfterDraw == False || canvas.right <= canvas.left || canvas.bottom <= canvas.top) return;
    run.check = ReadCanvasBefore(w);
    run.checkUnavailable = !run.check;
}

// Clicks the board just left of its canvas and resets its colour, until that succeeds or the
// user gives up.
Route Prepare(Wizard& w, Run& run) {
    int pause = kFirstAttemptPauseMs;
    for (;;) {
        w.pf.clock.sleep(pause);
        pause = kSettleMs;
        run.P = StartPoint(w.st);
        w.pf.pointer.setCursorPos(run.P);
        ClickHere(w, kStartClickHoldMs, kStartClickAfterMs);
        if (InterruptDraw(w, run.P.x, run.P.y) == kGoOn && ResetBoardColour(w)) return Route::Draw;
        if (AskYes(w, kStopDrawing, MsgBox::Question)) return Route::Stop;
    }
}

// Where a list ends decides where the run goes: on to its end, or out, told why when the board did
// not take a colour.
Route Ended(Wizard& w, ListEnd end) {
    switch (end) {
        case ListEnd::Drawn: return Route::Finish;
        case ListEnd::Stopped: return Route::Leave;
        case ListEnd::ColourNotSet:
        case ListEnd::CanvasCovered: ReportColourNotTaken(w, end); return Route::Leave;
    }
    return Route::Leave;
}

// The window comes back first so the message is not hidden behind the minimised owner.
Route ReportUnreadableList(Wizard& w) {
    w.pf.window.restore();
    w.pf.dialogs.messageBox(kListUnreadable, MsgBox::OkOnly | MsgBox::Exclamation, w.st.AppTitle);
    return Route::Leave;
}

Route ReplayList(Wizard& w, Run& run) {
    PixelListReader list(w.st.SortFile);
    if (!list.isOpen()) return ReportUnreadableList(w);
    FileSource source(list);
    ListDrawing how;
    how.total = w.st.PixCount;
    how.caption = ProgressCaption;
    how.keep = [&w](const PixelLine& px) { return Drawable(w, px); };
    if (run.check) how.seen = [&run](const PixelLine& px) { run.check->expect(px); };
    how.pen = &run.pen;
    how.pace = run.paced();
    return Ended(w, DrawPixelList(w, source, how, run.P));
}

Route FinishList(Wizard& w, Run& run) {
    w.pf.window.setWindowCaption(ProgressCaption(kFullPercent));
    std::optional<CheckResult> checked;
    if (!OnDesktop(w.st) && run.check) {
        checked = CheckAndRepair(w, *run.check, run.P, run.pen, run.paced());
        if (checked->end == CheckEnd::Stopped) return Route::Leave;
        if (checked->end == CheckEnd::ColourNotSet || checked->end == CheckEnd::CanvasCovered) {
            ReportCheck(w, *checked);
            return Route::Leave;
        }
    }
    if (!OnDesktop(w.st)) ResetColourAtEnd(w);
    PlaySnd(w, "END");
    w.pf.clock.sleep(kEndCuePauseMs);
    // What happened on the way is told before the run's last caption: the caption is its end.
    if (run.pen.givenUp()) TellLinesGivenUp(w);
    if (checked) ReportCheck(w, *checked);
    if (!OnDesktop(w.st) && run.checkUnavailable) ReportCheck(w, {CheckEnd::Unreadable, {}});
    return Route::Leave;
}

// Every way out of the run passes here and gives back what the run took.
void ExitRun(Wizard& w) {
    const ScreenPoint park = OnDesktop(w.st) ? ScreenCentre(w) : StartPoint(w.st);
    w.pf.pointer.setCursorPos(park);
    w.pf.window.setTopmost(false);
    w.pf.screen.releaseDC(kWholeScreen, w.st.ScreenDC);
    w.st.ScreenDC = 0;
    w.pf.clock.restoreTimerResolution();
}

}  // namespace

std::int32_t CheckStartDraw(Wizard& w) {
    const ScreenPoint start = StartPoint(w.st);
    w.pf.pointer.setCursorPos(start);
    return CheckClassNameAt(w, start);
}

void RunDraw(Wizard& w) {
    StartRun(w);
    Run run;
    if (AtBoardPace(w.st)) run.pace.emplace(w.st);
    Route route = Decide(w);
    if (route == Route::Prepare) route = AskCoverage(w);
    if (route == Route::Prepare) ReadCanvasFirst(w, run);
    if (route == Route::Prepare) route = Prepare(w, run);
    if (route == Route::Draw) route = ReplayList(w, run);
    if (route == Route::Finish) route = FinishList(w, run);
    if (route == Route::Stop) w.pf.window.restore();
    ExitRun(w);
}

}  // namespace mipro
