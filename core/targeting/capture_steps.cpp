#include "targeting/capture_steps.h"

#include <optional>
#include <string>
#include <utility>

#include "interfaces/dialogs.h"
#include "targeting/board_kinds.h"
#include "targeting/canvas_extent.h"
#include "targeting/capture_record.h"
#include "targeting/magnifier.h"
#include "wizard/pointer_places.h"
#include "wizard/sound_cues.h"
#include "wizard/step_controls.h"

namespace mipro {

namespace {

// Long enough for the hidden main window to be gone from the screen before the magnifier copies it.
constexpr int kHideSettleMs = 100;
// Reads of the canvas's size after the magnifier has gone, until two agree.
constexpr int kMostCanvasReads = 10;

constexpr const char* kParagraphBreak = "\r\n\r\n";
constexpr const char* kCrLf = "\r\n";

// Page 6, when the screen showed no canvas size: the picture's size stands, and the user checks it.
std::string SizeNotFoundText(std::int32_t width, std::int32_t height) {
    return std::string("描画エリアの大きさを画面から決められませんでした。") + kCrLf + "絵の大きさ (" +
           std::to_string(width) + " x " + std::to_string(height) +
           ") を入れました。掲示板のキャンバスの大きさと違うときは、「大きさ:」の数字を書き直してください。";
}

ScreenPoint ChosenOrigin(const CaptureRecord& c, const State& st) { return c.*PlacesOf(st.BoardKind).home; }

// The code kind's points in the order the magnifier takes them, as its choices have them.
std::string CodePointsText(const CodeChoices& choices) {
    std::string points;
    if (choices.CodeOpens != False) points += "入力欄を開くボタン、";
    points += "入力欄、今の色が見える所 (アイコンのない所)";
    if (choices.CodeCloses != False) points += "、閉じるボタン";
    return points;
}

std::string CodeStepText(std::int32_t imgWidth, std::int32_t imgHeight, const CodeChoices& choices) {
    return std::string("色コードの入力欄と、今の色が見える所の座標を設定してください。") + kParagraphBreak +
           std::to_string(imgWidth) + " x " + std::to_string(imgHeight) +
           " pixel 以上のキャンバスを開いてください。" + kParagraphBreak +
           "「設定」ボタンで出るウィンドウの赤い十字の中心を、" + CodePointsText(choices) + "に順に合わせてください。";
}

// Page 5's check boxes: PaintBBS's exact colours, the code kind's three choices; only the chosen
// board's show.
void ShowBoardChoices(Wizard& w) {
    MainWindow& win = w.pf.window;
    const bool paint = w.st.BoardKind == kBoardPaint, code = w.st.BoardKind == kBoardCode;
    const CodeChoices& c = w.st.codeChoices;
    const struct {
        Control box;
        bool shown;
        Boolean value;
    } kBoxes[] = {{Control::chkSHIEXACT, paint, w.st.ShiExact},
                  {Control::chkCODEOPEN, code, c.CodeOpens},
                  {Control::chkCODECLOSE, code, c.CodeCloses},
                  {Control::chkCODEHASH, code, c.CodeHash}};
    for (const auto& b : kBoxes) {
        win.setVisible({b.box}, b.shown);
        win.setValue({b.box}, b.value != False ? 1 : 0);
    }
}

// A choice of the code kind that adds or drops a button to capture: the step is done when every
// place it now needs has been captured, and the page tells the places in order.
void CodeChoiceChanged(Wizard& w) {
    State& st = w.st;
    st.StepDone(kColourControlStep, kBoardCode) =
        ToBoolean(AllSlotsCaptured(st.capture, kColourControlStep, kBoardCode, st.codeChoices));
    w.pf.window.setCaption({Control::lblSTLBL, st.StepNo}, RgbStepText(st.ImgWidth, st.ImgHeight, st.BoardKind,
                                                                       st.codeChoices));
    EnableFrom(w, {Control::cmdNEXT}, st.StepDone(st.StepNo, st.BoardKind));
    StInfoSetCaption(w);
}

Boolean Ticked(Wizard& w, Control box) { return ToBoolean(w.pf.window.value({box}) != 0); }

// Enables Back and Next for a capture page and, on a first visit, parks the pointer on its
// "設定..." button.
void PrepareCapturePage(Wizard& w, Boolean backFlag, Control setButton) {
    MainWindow& win = w.pf.window;
    EnableFrom(w, {Control::cmdBACK}, backFlag);
    EnableFrom(w, {Control::cmdNEXT}, w.st.StepDone(w.st.StepNo, w.st.BoardKind));
    if (!win.isEnabled({Control::cmdNEXT})) {
        win.setFocus({setButton});
        GoPointerDefPos(w, {setButton});
    }
}

// The page's boxes show the record's canvas size, empty while it is not known.
void ShowCanvasSize(Wizard& w) {
    const CanvasSize size = ChosenCanvas(w.st);
    w.pf.window.setCaption({Control::txtCANVASW}, size.known() ? std::to_string(size.width) : "");
    w.pf.window.setCaption({Control::txtCANVASH}, size.known() ? std::to_string(size.height) : "");
}

// A side typed by the user: plain digits, 1 to kMaxCanvasSide; nothing otherwise.
std::optional<std::int32_t> SideFrom(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    if (first == std::string::npos || last - first >= 5) return std::nullopt;
    std::int32_t value = 0;
    for (std::size_t i = first; i <= last; ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    if (value < 1 || value > kMaxCanvasSide) return std::nullopt;
    return value;
}

// After a new origin: the canvas's size as the screen shows it, or the picture's size when no edge
// is found there, and what surrounds the rectangle the check will read, so that a read of the
// canvas whose surroundings have moved is told. The board paints again where the magnifier was
// only after it has gone, in its own time: what is seen counts once two reads a settling pause
// apart agree. False when no size was found.
bool FindCanvasAfterCapture(Wizard& w) {
    const ScreenPoint origin = CanvasOrigin(w.st);
    // Off the canvas, so that no pen a board draws under the pointer shows in what is read.
    w.pf.pointer.setCursorPos(StartPoint(w.st));
    CanvasSight seen = LookAtCanvas(w, origin);
    for (int read = 1; read < kMostCanvasReads; ++read) {
        w.pf.window.doEvents();
        w.pf.clock.sleep(kHideSettleMs);
        CanvasSight again = LookAtCanvas(w, origin);
        if (again == seen) break;
        seen = std::move(again);
    }
    ChosenCanvas(w.st) = seen.size ? *seen.size : CanvasSize{w.st.ImgWidth, w.st.ImgHeight};
    ChosenRing(w.st) = std::move(seen.ring);
    ShowCanvasSize(w);
    return seen.size.has_value();
}

// Hides the main window, lets the user position the magnifier, and comes back.
void RunCapture(Wizard& w) {
    MainWindow& win = w.pf.window;
    w.pf.pointer.setShape(PointerShape::Hourglass);
    PlaySnd(w, "CLICK");
    win.showWindow(false);
    win.doEvents();
    w.pf.clock.sleep(kHideSettleMs);

    const CaptureRecord before = w.st.capture;
    const Boolean doneBefore = w.st.StepDone(w.st.StepNo, w.st.BoardKind);
    RunMagnifier(w);
    const bool originConfirmed = w.st.StepNo != kColourControlStep &&
                                 w.st.StepDone(w.st.StepNo, w.st.BoardKind) != False &&
                                 (doneBefore == False || ChosenOrigin(before, w.st) != ChosenOrigin(w.st.capture, w.st));
    // The main window is still hidden, so the screen shows the board alone.
    const bool sizeNotFound = originConfirmed && !FindCanvasAfterCapture(w);

    win.showWindow(true);
    win.focusWindow();
    StInfoSetCaption(w);
    EnableFrom(w, {Control::cmdNEXT}, w.st.StepDone(w.st.StepNo, w.st.BoardKind));
    if (win.isEnabled({Control::cmdNEXT})) {
        win.setFocus({Control::cmdNEXT});
        GoPointerDefPos(w, {Control::cmdNEXT});
    }
    if (sizeNotFound) {
        w.pf.dialogs.messageBox(SizeNotFoundText(w.st.ImgWidth, w.st.ImgHeight), MsgBox::OkOnly | MsgBox::Information,
                                w.st.AppTitle);
    }
}

}  // namespace

void TakeCanvasSizeFromPage(Wizard& w) {
    CanvasSize& size = ChosenCanvas(w.st);
    if (const auto width = SideFrom(w.pf.window.caption({Control::txtCANVASW}))) size.width = *width;
    if (const auto height = SideFrom(w.pf.window.caption({Control::txtCANVASH}))) size.height = *height;
}

std::string RgbStepText(std::int32_t imgWidth, std::int32_t imgHeight, int boardKind, const CodeChoices& choices) {
    if (boardKind == kBoardCode) return CodeStepText(imgWidth, imgHeight, choices);
    const std::string board = boardKind == kBoardOekaki ? "oekakiBBS" : "PaintBBS";
    return std::string("ＲＧＢ（色指定）ボタンの座標を設定してください。") + kParagraphBreak +
           std::to_string(imgWidth) + " x " + std::to_string(imgHeight) + " pixel 以上で " + board +
           " を開いてください。" + kParagraphBreak +
           "「設定」ボタンを押すと、デスクトップ上を拡大表示するウィンドウが表示されます。"
           "\u3000ウィンドウを動かしてガイドとボタンの位置を合わせてください。";
}

void ST05_GetRgbPos(Wizard& w) {
    ShowKindIllustration(w, &BoardKindPlaces::rgbImage);
    ShowBoardChoices(w);
    // The board choice keeps its flag under board kind 0 only.
    PrepareCapturePage(w, w.st.StepDone(w.st.StepNo - 1, 0), Control::cmdGETRGB);
    w.pf.window.setCaption({Control::lblSTLBL, w.st.StepNo},
                           RgbStepText(w.st.ImgWidth, w.st.ImgHeight, w.st.BoardKind, w.st.codeChoices));
    StInfoSetCaption(w);
}

void ST06_GetHomePos(Wizard& w) {
    ShowKindIllustration(w, &BoardKindPlaces::homeImage);
    ShowCanvasSize(w);
    PrepareCapturePage(w, w.st.StepDone(w.st.StepNo - 1, w.st.BoardKind), Control::cmdGETHOME);
    StInfoSetCaption(w);
}

void cmdGETRGB_Click(Wizard& w) { RunCapture(w); }

void cmdGETHOME_Click(Wizard& w) { RunCapture(w); }

void chkSHIEXACT_Click(Wizard& w) { w.st.ShiExact = Ticked(w, Control::chkSHIEXACT); }

void chkCODEOPEN_Click(Wizard& w) {
    w.st.codeChoices.CodeOpens = Ticked(w, Control::chkCODEOPEN);
    CodeChoiceChanged(w);
}

void chkCODECLOSE_Click(Wizard& w) {
    w.st.codeChoices.CodeCloses = Ticked(w, Control::chkCODECLOSE);
    CodeChoiceChanged(w);
}

void chkCODEHASH_Click(Wizard& w) { w.st.codeChoices.CodeHash = Ticked(w, Control::chkCODEHASH); }

}  // namespace mipro
