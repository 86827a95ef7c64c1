#include "targeting/capture_steps.h"

#include <string>

#include "targeting/magnifier.h"
#include "wizard/pointer_places.h"
#include "wizard/sound_cues.h"
#include "wizard/step_controls.h"

namespace mipro {

namespace {

// The illustrations of the capture pages, by board kind.
constexpr int kRgbImageOekaki = 2;
constexpr int kRgbImagePaint = 3;
constexpr int kHomeImageOekaki = 4;
constexpr int kHomeImagePaint = 5;

// Long enough for the hidden main window to be gone from the screen before the magnifier copies it.
constexpr int kHideSettleMs = 100;

constexpr const char* kParagraphBreak = "\r\n\r\n";

void ShowIllustration(Wizard& w, int oekakiImage, int paintImage) {
    w.pf.window.setVisible({Control::imgSTIMG, oekakiImage}, w.st.BoardKind == kBoardOekaki);
    w.pf.window.setVisible({Control::imgSTIMG, paintImage}, w.st.BoardKind == kBoardPaint);
}

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

// Hides the main window, lets the user position the magnifier, and comes back.
void RunCapture(Wizard& w) {
    MainWindow& win = w.pf.window;
    w.pf.pointer.setShape(PointerShape::Hourglass);
    PlaySnd(w, "CLICK");
    win.showWindow(false);
    win.doEvents();
    w.pf.clock.sleep(kHideSettleMs);

    RunMagnifier(w);

    win.showWindow(true);
    win.focusWindow();
    StInfoSetCaption(w);
    EnableFrom(w, {Control::cmdNEXT}, w.st.StepDone(w.st.StepNo, w.st.BoardKind));
    if (win.isEnabled({Control::cmdNEXT})) {
        win.setFocus({Control::cmdNEXT});
        GoPointerDefPos(w, {Control::cmdNEXT});
    }
}

}  // namespace

std::string RgbStepText(std::int32_t imgWidth, std::int32_t imgHeight, int boardKind) {
    const std::string board = boardKind == kBoardOekaki ? "oekakiBBS" : "PaintBBS";
    return std::string("ＲＧＢ（色指定）ボタンの座標を設定してください。") + kParagraphBreak +
           std::to_string(imgWidth) + " x " + std::to_string(imgHeight) + " pixel 以上で " + board +
           " を開いてください。" + kParagraphBreak +
           "「設定」ボタンを押すと、デスクトップ上を拡大表示するウィンドウが表示されます。"
           "\u3000ウィンドウを動かしてガイドとボタンの位置を合わせてください。";
}

void ST05_GetRgbPos(Wizard& w) {
    ShowIllustration(w, kRgbImageOekaki, kRgbImagePaint);
    // The board choice keeps its flag under board kind 0 only.
    PrepareCapturePage(w, w.st.StepDone(w.st.StepNo - 1, 0), Control::cmdGETRGB);
    w.pf.window.setCaption({Control::lblSTLBL, w.st.StepNo}, RgbStepText(w.st.ImgWidth, w.st.ImgHeight, w.st.BoardKind));
    StInfoSetCaption(w);
}

void ST06_GetHomePos(Wizard& w) {
    ShowIllustration(w, kHomeImageOekaki, kHomeImagePaint);
    PrepareCapturePage(w, w.st.StepDone(w.st.StepNo - 1, w.st.BoardKind), Control::cmdGETHOME);
    StInfoSetCaption(w);
}

void cmdGETRGB_Click(Wizard& w) { RunCapture(w); }

void cmdGETHOME_Click(Wizard& w) { RunCapture(w); }

}  // namespace mipro
