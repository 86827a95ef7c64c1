#include "pixels/img_analy_step.h"

#include <optional>

#include "base/nearest_int.h"
#include "pixels/colour_choice.h"
#include "pixels/pixel_list.h"
#include "pixels/pixel_sort.h"
#include "pixels/status_blink.h"
#include "pixels/temp_names.h"
#include "pixels/work_files.h"
#include "wizard/pointer_places.h"
#include "wizard/sound_cues.h"
#include "wizard/step_controls.h"

namespace mipro {

namespace {

const char* const kCrLf = "\r\n";
const char* const kCannotCancel = "※この処理はキャンセルできません！";
const char* const kReducing = "色数を減らしています...";
const char* const kReading = "ピクセル情報を読み込んでいます...";
const char* const kSorting = "ピクセル情報の並び替えを行っています...";
const char* const kDone = "ピクセル情報は取り出し済みです。";
const char* const kWriteFailed = "ピクセル情報の書き出しに失敗しました。";
const char* const kSortFailed = "ピクセル情報の並び替えに失敗しました。";
// What could not be started: the command shell that runs the batch on Windows, the sort itself on X11.
const char* const kShellHint = "コマンド プロンプト (cmd.exe) を起動できませんでした。";
const char* const kSortProgramHint = "sort コマンドを起動できませんでした。";

std::string TempFolderHint(Wizard& w) {
    return "一時フォルダ " + GetTempDir(w) + " に書き込めるか、空き容量が足りているかを確認してください。";
}

void ShowStatus(Wizard& w, const std::string& text) {
    const ControlRef label{Control::lblSTINFO, w.st.StepNo};
    w.pf.window.setCaption(label, text);
    w.pf.window.setVisible(label, true);
}

// A text of work under way, which cannot be cancelled.
void ShowBusyStatus(Wizard& w, const char* work) { ShowStatus(w, std::string(work) + kCrLf + kCrLf + kCannotCancel); }

void PrepareWindow(Wizard& w) {
    MainWindow& win = w.pf.window;
    w.pf.pointer.setShape(PointerShape::Hourglass);
    win.setEnabled({Control::cmdBACK}, false);
    win.setEnabled({Control::cmdNEXT}, false);
    EnableColourChoice(w, false);
    ShowColourChoice(w);
    w.st.CanClose = False;
    ShowBusyStatus(w, w.st.ColourCount != 0 ? kReducing : kReading);
    win.clearThumbnail(w.st.StepNo);
}

// Back and Next follow the step flags again and the window can close, whichever way the step ends.
void ReleaseWindow(Wizard& w) {
    w.pf.pointer.setShape(PointerShape::Default);
    EnableFrom(w, {Control::cmdBACK}, w.st.StepDone(w.st.StepNo - 1, 0));
    EnableFrom(w, {Control::cmdNEXT}, w.st.StepDone(w.st.StepNo, 0));
    EnableColourChoice(w, true);
}

// The step stays not done: the user is told why and can go back to try again.
void Fail(Wizard& w, const std::string& headline, const std::string& hint) {
    ShowStatus(w, headline);
    ReleaseWindow(w);
    w.st.CanClose = True;
    w.pf.dialogs.messageBox(headline + kCrLf + kCrLf + hint, MsgBox::Exclamation, w.st.AppTitle);
}

void Finish(Wizard& w) {
    PlaySnd(w, "END");
    ShowStatus(w, kDone);
    w.st.StepDone(w.st.StepNo, 0) = True;
    ReleaseWindow(w);
    GoPointerDefPos(w, {Control::cmdNEXT});
    w.st.CanClose = True;
}

// The picture with the fewer colours page 3 asks for, none when it keeps its own.
std::optional<Picture> ReducedPicture(Wizard& w) {
    State& st = w.st;
    if (st.ColourCount == 0) return std::nullopt;
    std::optional<Picture> reduced = ReduceColours(st.picIMG, ReductionOf(st));
    st.ListOnBoardGrid = ToBoolean(ColoursOnBoardGrid(st));
    ShowBusyStatus(w, kReading);
    return reduced;
}

// The list's picture in full in the step's thumbnail: the step-2 thumbnail the progress revealed,
// or the reduced picture in its place.
void ShowListedThumbnail(Wizard& w, const std::optional<Picture>& reduced) {
    const State& st = w.st;
    if (!reduced) return w.pf.window.copyThumbnail(st.StepNo - 1, st.StepNo);
    const std::int32_t dw = NearestInt(st.ImgWidth * static_cast<double>(st.ThumbScale));
    const std::int32_t dh = NearestInt(st.ImgHeight * static_cast<double>(st.ThumbScale));
    w.pf.window.paintThumbnail(st.StepNo, *reduced, st.ImgWidth, st.ImgHeight, dw, dh);
}

}  // namespace

void ST03_ImgAnaly(Wizard& w) {
    State& st = w.st;
    MainWindow& win = w.pf.window;
    // Reduced colours are made again when the board chosen since shows other colours.
    if (st.StepDone(st.StepNo, 0) != False && !ReductionForOtherBoard(st)) return;
    st.StepDone(st.StepNo, 0) = False;

    PrepareWindow(w);
    if (!MakeWorkFileNames(w)) return Fail(w, kWriteFailed, TempFolderHint(w));

    win.doEvents();
    const std::optional<Picture> reduced = ReducedPicture(w);
    StatusBlink blink(w);
    if (!WritePixelList(w, reduced ? *reduced : st.picIMG, blink)) return Fail(w, kWriteFailed, TempFolderHint(w));
    ShowListedThumbnail(w, reduced);

    ShowBusyStatus(w, kSorting);
    win.doEvents();
    switch (SortPixelList(w, blink)) {
        case SortOutcome::Sorted:
            return Finish(w);
        case SortOutcome::ShellNotStarted:
            return Fail(w, kSortFailed, w.pf.windowSystem == WindowSystem::X11 ? kSortProgramHint : kShellHint);
        case SortOutcome::NoResult:
            return Fail(w, kSortFailed, TempFolderHint(w));
    }
}

}  // namespace mipro
