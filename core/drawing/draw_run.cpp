#include "drawing/draw_run.h"

#include <algorithm>
#include <string>

#include "base/nearest_int.h"
#include "drawing/desk_position.h"
#include "drawing/pixel_line.h"
#include "drawing/pixel_list_reader.h"
#include "drawing/poo_colour.h"
#include "drawing/shi_colour.h"
#include "interfaces/dialogs.h"
#include "targeting/window_checks.h"
#include "wizard/pointer_places.h"
#include "wizard/sound_cues.h"

namespace mipro {

namespace {

constexpr int kSettleMs = 1500;           // after minimising, between retries, before resuming
constexpr int kFirstAttemptPauseMs = 10;
constexpr int kStartClickHoldMs = 10;
constexpr int kStartClickAfterMs = 100;
constexpr int kRefocusClickMs = 100;
constexpr int kEndCuePauseMs = 500;
constexpr std::int32_t kStartPointLeftOfCanvas = 5;
constexpr std::int32_t kResetInterrupted = -1;
constexpr int kFullPercent = 100;
constexpr WindowHandle kWholeScreen = 0;

const std::string kCrLf = "\r\n";
const std::string kNoBoardShown = "お絵描き掲示板が表示されていないようです。";
const std::string kDrawOnDesktop = "デスクトップに描画しますか？";
const std::string kStopDrawing = "描画を止めますか？";
const std::string kPickDesktopPlace = "デスクトップに描画する位置を指定してください";
const std::string kGoOnDrawing = "描画を続けますか？";
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

bool AskYes(Wizard& w, const std::string& text, int icon) {
    return w.pf.dialogs.messageBox(text, MsgBox::YesNo | icon, w.st.AppTitle) == MsgBox::AnswerYes;
}

bool OnOekaki(const State& st) { return st.BoardKind == kBoardOekaki; }

void ShowProgressCaption(Wizard& w, int percent) {
    w.pf.window.setWindowCaption(" 描画 " + std::to_string(percent) + "% 完了...");
}

// A left click where the pointer is, with a pause after the press and after the release.
void ClickHere(Wizard& w, int holdMs, int afterMs) {
    w.pf.pointer.leftButtonDown();
    w.pf.clock.sleep(holdMs);
    w.pf.pointer.leftButtonUp();
    w.pf.clock.sleep(afterMs);
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

// Once per program, when the board is a browser's page on a scaled display.
void NoteBrowserZoom(Wizard& w) {
    const double scale = w.pf.screen.displayScale();
    if (w.st.ZoomNoteShown != False || NearestInt(scale * 100) == kFullPercent || !BrowserUnder(w)) return;
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

// Brings the board's colour controls to black; false when the user's hand stopped it.
bool ResetBoardColour(Wizard& w) {
    if (OnOekaki(w.st)) return pooResetRGB(w, True) != kResetInterrupted;
    // A recorded 255 makes every slider move, whatever the board shows now.
    w.st.shi = {255, 255, 255};
    shiSetRGBCtrl(w, "000", "000", "000");
    return true;
}

// Clicks the board just left of its canvas and resets its colour, until that succeeds or the
// user gives up.
Route Prepare(Wizard& w, ScreenPoint& P) {
    int pause = kFirstAttemptPauseMs;
    for (;;) {
        w.pf.clock.sleep(pause);
        pause = kSettleMs;
        P = StartPoint(w.st);
        w.pf.pointer.setCursorPos(P);
        ClickHere(w, kStartClickHoldMs, kStartClickAfterMs);
        if (InterruptDraw(w, P.x, P.y) == kGoOn && ResetBoardColour(w)) return Route::Draw;
        if (AskYes(w, kStopDrawing, MsgBox::Question)) return Route::Stop;
    }
}

ColourValue ColourOf(const PixelLine& px) {
    const auto component = [](const std::string& s) { return std::clamp(NumericValue(s), 0, 255); };
    return component(px.red) | component(px.green) << 8 | component(px.blue) << 16;
}

void DrawPixel(Wizard& w, const PixelLine& px, ScreenPoint& P) {
    if (w.st.DeskTopMode != False) {
        P = {w.st.DeskPnt.x + px.x, w.st.DeskPnt.y + px.y};
        w.pf.pointer.setCursorPos(P);
        w.pf.screen.setPixel(w.st.ScreenDC, P.x, P.y, ColourOf(px));
        return;
    }
    w.pf.pointer.setCursorPos(P);
    w.pf.pointer.leftButtonDown();
    w.pf.clock.sleep(w.st.SpeedWait);
    w.pf.pointer.setCursorPos(P);
    w.pf.pointer.leftButtonUp();
    w.pf.clock.sleep(w.st.SpeedWait);
}

// The whole per cent drawn so far. An empty list counts as all drawn.
int PercentDone(std::int32_t counter, std::int32_t total) {
    if (total <= 0) return kFullPercent;
    return static_cast<int>(static_cast<long long>(counter) * kFullPercent / total);
}

// False when the user chose not to go on; true after refocusing the board when they did.
bool GoOnAfterHandMoved(Wizard& w) {
    if (!AskYes(w, kGoOnDrawing, MsgBox::Exclamation)) return false;
    w.pf.clock.sleep(kSettleMs);
    if (w.st.DeskTopMode == False) {
        w.pf.pointer.setCursorPos(StartPoint(w.st));
        ClickHere(w, kRefocusClickMs, kRefocusClickMs);
    }
    return true;
}

Route DrawList(Wizard& w, PixelListReader& list, ScreenPoint& P) {
    std::int32_t counter = 0;
    int shownPercent = 0;
    std::string text;
    while (list.next(text)) {
        w.pf.window.deliverSessionEnd();
        ++counter;
        const PixelLine px = ParsePixelLine(text);
        if (w.st.DeskTopMode == False) {
            if (OnOekaki(w.st)) {
                pooSetRGBCtrl(w, px.red, px.green, px.blue);
            } else {
                shiSetRGBCtrl(w, px.red, px.green, px.blue);
            }
            const ScreenPoint origin = CanvasOrigin(w.st);
            P = {origin.x + px.x, origin.y + px.y};
        }
        w.pf.pointer.setCursorPos(P);
        w.pf.clock.sleep(w.st.SpeedWait);
        if (InterruptDraw(w, P.x, P.y) != kGoOn && !GoOnAfterHandMoved(w)) return Route::Leave;
        DrawPixel(w, px, P);

        const int percent = PercentDone(counter, w.st.PixCount);
        if (percent != shownPercent) {
            ShowProgressCaption(w, percent);
            shownPercent = percent;
            w.pf.window.doEvents();
        }
    }
    return Route::Finish;
}

// The window comes back first so the message is not hidden behind the minimised owner.
Route ReportUnreadableList(Wizard& w) {
    w.pf.window.restore();
    w.pf.dialogs.messageBox(kListUnreadable, MsgBox::OkOnly | MsgBox::Exclamation, w.st.AppTitle);
    return Route::Leave;
}

Route ReplayList(Wizard& w, ScreenPoint& P) {
    PixelListReader list(w.st.SortFile);
    if (!list.isOpen()) return ReportUnreadableList(w);
    return DrawList(w, list, P);
}

void FinishList(Wizard& w) {
    ShowProgressCaption(w, kFullPercent);
    if (w.st.DeskTopMode == False) {
        if (OnOekaki(w.st)) {
            pooResetRGB(w, False);
        } else {
            // Only the sliders not yet at 0 move.
            shiSetRGBCtrl(w, "000", "000", "000");
        }
    }
    PlaySnd(w, "END");
    w.pf.clock.sleep(kEndCuePauseMs);
}

// Every way out of the run passes here and gives back what the run took.
void ExitRun(Wizard& w) {
    const ScreenPoint park = w.st.DeskTopMode != False ? ScreenCentre(w) : StartPoint(w.st);
    w.pf.pointer.setCursorPos(park);
    w.pf.window.setTopmost(false);
    w.pf.screen.releaseDC(kWholeScreen, w.st.ScreenDC);
    w.st.ScreenDC = 0;
    w.pf.clock.restoreTimerResolution();
}

}  // namespace

ScreenPoint CanvasOrigin(const State& st) { return OnOekaki(st) ? st.capture.PooHome : st.capture.ShiHome; }

ScreenPoint StartPoint(const State& st) {
    const ScreenPoint origin = CanvasOrigin(st);
    return {origin.x - kStartPointLeftOfCanvas, origin.y};
}

std::int32_t CheckStartDraw(Wizard& w) {
    const ScreenPoint start = StartPoint(w.st);
    w.pf.pointer.setCursorPos(start);
    w.st.CurPnt = start;
    return CheckClassName(w);
}

void RunDraw(Wizard& w) {
    StartRun(w);
    ScreenPoint P{};
    Route route = Decide(w);
    if (route == Route::Prepare) route = Prepare(w, P);
    if (route == Route::Draw) route = ReplayList(w, P);
    if (route == Route::Finish) FinishList(w);
    if (route == Route::Stop) w.pf.window.restore();
    ExitRun(w);
}

}  // namespace mipro
