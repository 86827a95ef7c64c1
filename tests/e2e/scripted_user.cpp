#include "tests/e2e/scripted_user.h"

#include <cstdio>
#include <cstdlib>
#include <thread>

#include "board/code_picture.h"
#include "targeting/magnifier_geometry.h"
#include "tests/e2e/require.h"
#include "tests/e2e/wait_until.h"

namespace mipro::testing {

namespace {

using namespace std::chrono_literals;

constexpr auto kStepTimeout = 60s;
constexpr auto kRunTimeout = std::chrono::duration_cast<std::chrono::milliseconds>(30min);
constexpr auto kSettle = 400ms;
// While a run draws, its caption and the pointer are looked at every 20 ms, its questions every
// fifth look: looking for a message box lists the display's windows, some forty round trips to a
// server the run's own clicks wait on.
constexpr int kLooksPerQuestionLook = 5;
constexpr int kPlacingTries = 5;
constexpr const char* kFinalCaption = " 描画 100% 完了...";
// The caption while mipro reads the canvas back for its check.
constexpr const char* kCheckingCaption = " 描画を確認しています...";
// The caption a run ends with when the check did not find the canvas exact.
constexpr const char* kFinishedLead = " 描画終了";
// The caption of a run stopped before drawing in a colour the board did not take.
constexpr const char* kStoppedLead = " 描画中止";
constexpr const char* kPercentLead = "描画 ";
constexpr const char* kProgressTail = "% 完了...";
const std::string kGoOnQuestion = "描画を続けますか？";
const std::string kStopQuestion = "描画を止めますか？";
const std::string kCoverageQuestion = "はみ出しています";
const std::string kUnmendedNote = "直せませんでした";
const std::string kNotRedrawnNote = "描き直しはしませんでした";
const std::string kColourNotTakenNote = "今の色が変わりませんでした";
const std::string kCanvasCoveredNote = "重なっています";
const std::string kLinesGivenUpNote = "線で描いた行が最後まで描かれていませんでした";
const std::string kSizeNotFound = "描画エリアの大きさを画面から決められませんでした";
// The run parks the pointer this far left of the canvas's first pixel when it ends.
constexpr int kStartPointLeftOfCanvas = 5;
// The hand: small moves over a few hundred milliseconds, starting below the canvas.
constexpr int kHandSteps = 20;
constexpr int kHandStepPx = 3;
constexpr auto kHandStepPause = 15ms;
constexpr int kHandClear = 40;
// mipro's window keeps this far from the board and the screen's edges.
constexpr int kAside = 10;

void Settle() { std::this_thread::sleep_for(kSettle); }

// How long the caption told of the check, summed over the looks at it.
class CheckWatch {
public:
    void saw(bool checking) {
        const auto now = std::chrono::steady_clock::now();
        if (checking_) total_ += now - last_;
        checking_ = checking;
        last_ = now;
    }
    long long milliseconds() const { return std::chrono::duration_cast<std::chrono::milliseconds>(total_).count(); }

private:
    bool checking_ = false;
    std::chrono::steady_clock::time_point last_;
    std::chrono::steady_clock::duration total_{};
};

int PercentIn(const std::string& caption) {
    const std::size_t at = caption.find(kPercentLead);
    return at == std::string::npos ? -1 : std::atoi(caption.c_str() + at + std::string(kPercentLead).size());
}

bool StartsWith(const std::string& text, const std::string& lead) { return text.rfind(lead, 0) == 0; }

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

bool FinalCaption(const std::string& caption) {
    return caption == kFinalCaption || StartsWith(caption, kFinishedLead) || StartsWith(caption, kStoppedLead);
}

// The questions and notes of a run, by what they say; an edition that cannot read a box's text
// tells them by the caption at the time: a note closes the run (or comes after the check, before
// its last caption), the question about the canvas's edges comes before the first per cent, and
// the others ask whether to go on.
enum class BoxSays { GoOn, Stop, Coverage, EndNote, Other };

BoxSays WhatTheBoxSays(const std::string& text, const std::string& caption) {
    if (text.empty()) {
        if (StartsWith(caption, kFinishedLead) || StartsWith(caption, kStoppedLead)) return BoxSays::EndNote;
        if (caption == kCheckingCaption) return BoxSays::EndNote;
        if (!Contains(caption, kProgressTail)) return BoxSays::Coverage;
        return BoxSays::GoOn;
    }
    if (Contains(text, kStopQuestion)) return BoxSays::Stop;
    if (Contains(text, kGoOnQuestion)) return BoxSays::GoOn;
    if (Contains(text, kCoverageQuestion)) return BoxSays::Coverage;
    for (const std::string& note : {kUnmendedNote, kNotRedrawnNote, kColourNotTakenNote, kCanvasCoveredNote, kLinesGivenUpNote}) {
        if (Contains(text, note)) return BoxSays::EndNote;
    }
    return BoxSays::Other;
}

// A message's text on one line of the driver's output.
std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return text;
}

int SizeIn(const std::string& text, const std::string& what) {
    char* end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 10);
    Require(!text.empty() && *end == '\0' && n > 0, "step 6 shows no canvas " + what + ": \"" + text + "\"");
    return static_cast<int>(n);
}

bool Overlap(const ScreenRect& a, const ScreenRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

ScriptedUser::ScriptedUser(Desktop& desktop, const RunOptions& options)
    : desktop_(desktop),
      options_(options),
      stepShots_(options.stepShotDir),
      endShot_(options.endShotDir),
      aimedHand_(desktop, board_, options.handDuring) {}

void ScriptedUser::run() {
    board_ = desktop_.showBoard();
    startMipro();
    choosePicture();
    extractPixels();
    chooseBoard();
    captureColourControls();
    captureCanvas();
    const long long elapsedMs = draw();
    if (options_.endAtPercent >= 0) {
        std::printf("ended_after_ms %lld\n", desktop_.endSession(options_.endHow));
        std::fflush(stdout);
        return;
    }

    closeCodeWindowLeftOpen();
    endShot_.offerEnd();
    stepShots_.offer("done", board_.board);
    Require(desktop_.saveCanvas(options_.canvasFile), "the canvas was not saved to " + options_.canvasFile);
    printOutcome();
    desktop_.endMipro();
    const ScreenRect b = board_.board;
    std::printf("board_window %d %d %d %d\n", b.left, b.top, b.right - b.left, b.bottom - b.top);
    std::printf("go_on_answers %d\n", goOnAnswers_);
    std::printf("elapsed_ms %lld\n", elapsedMs);
    std::fflush(stdout);
}

// A run that stopped because the code's window lay over the canvas (its close button not
// captured) leaves it there: the user shuts it with its x, as the note asks, before the canvas is
// looked at.
void ScriptedUser::closeCodeWindowLeftOpen() {
    if (!board_.codeWindow || CapturesCloser(options_) || !StartsWith(desktop_.caption(), kStoppedLead)) return;
    const BoardOnScreen::CodeWindow window = *board_.codeWindow;
    if (desktop_.pixelAt(window.face) != board::kWindowColour) return;
    desktop_.clickAt(window.closer);
    Require(WaitUntil([&] { return desktop_.pixelAt(window.face) != board::kWindowColour; }, kStepTimeout),
            "the code's window did not close");
    std::printf("code_window_closed\n");
}

// How the run ended, in mipro's caption, and what the board recorded of the presses.
void ScriptedUser::printOutcome() {
    std::printf("end_caption %s\n", desktop_.caption().c_str());
    for (const std::string& item : desktop_.boardRecord()) std::printf("board %s\n", item.c_str());
    std::fflush(stdout);
}

// Step 1: mipro opens on the sound switch and offers Next.
void ScriptedUser::startMipro() {
    desktop_.startMipro();
    Require(WaitUntil([&] { return desktop_.mainWindowShown(); }, kStepTimeout), "mipro's window did not open");
    Require(WaitUntil([&] { return desktop_.available({Control::cmdNEXT}); }, kStepTimeout),
            "step 1 did not offer Next");
    offerMain("step1");
}

// Step 2: the picture, chosen in the file dialog by typing its path.
void ScriptedUser::choosePicture() {
    pressNext();
    press({Control::cmdOPEN});
    Require(WaitUntil([&] { return desktop_.fileDialogOpen(); }, kStepTimeout), "the file dialog did not open");
    desktop_.typePathAndConfirm(options_.picture);
    Require(WaitUntil([&] { return !desktop_.fileDialogOpen(); }, kStepTimeout), "the file dialog did not close");
    waitForNext("the picture was not loaded");
    offerMain("step2");
}

// Step 3: the extraction runs on entering the step and keeps Next off until it has ended.
void ScriptedUser::extractPixels() {
    pressNext();
    waitForNext("the extraction did not end");
    chooseColours();
    offerMain("step3");
}

// Page 3's reduction as asked, once mipro has put the pointer on Next. The dithering box first:
// while the picture keeps its colours it changes nothing, so the extraction runs again once, for
// the count.
void ScriptedUser::chooseColours() {
    if (!options_.dither && options_.coloursIndex == 0) return;
    Require(WaitUntil([&] { return desktop_.pointerParkedOn({Control::cmdNEXT}); }, kStepTimeout),
            "the pointer was not put on Next after the extraction");
    if (options_.dither) press({Control::chkDITHER});
    if (options_.coloursIndex == 0) return;
    press({Control::optCOLOURS, options_.coloursIndex});
    waitForNext("the extraction with fewer colours did not end");
}

// Step 4: the board's option button.
void ScriptedUser::chooseBoard() {
    pressNext();
    press({Control::optBOARD, options_.boardIndex});
    waitForNext("step 4 did not offer Next");
    offerMain("step4");
}

// Step 5: the board's choices ticked as asked, then its places (the red, green and blue controls,
// or a code board's), one after the other in the magnifier.
void ScriptedUser::captureColourControls() {
    pressNext();
    if (options_.exactColours) press({Control::chkSHIEXACT});
    if (CapturesOpener(options_)) press({Control::chkCODEOPEN});
    if (CapturesCloser(options_)) press({Control::chkCODECLOSE});
    if (!options_.codeHash) press({Control::chkCODEHASH});
    offerMain("step5");
    press({Control::cmdGETRGB});
    lineUp({board_.colourSquares.begin(), board_.colourSquares.end()}, "magnifier-colour");
    waitForNext("the colour controls were not captured");
}

// Step 6: the canvas's origin.
void ScriptedUser::captureCanvas() {
    pressNext();
    offerMain("step6");
    press({Control::cmdGETHOME});
    lineUp({board_.canvasSquare}, "magnifier-canvas");
    closeSizeNotFoundNote();
    waitForNext("the origin was not captured");
    readCanvasSize();
}

// Where the screen showed no canvas size, mipro puts the picture's size on step 6 and says so; the
// note is closed ("size_note TEXT") and the size taken as shown.
void ScriptedUser::closeSizeNotFoundNote() {
    WaitUntil([&] { return desktop_.available({Control::cmdNEXT}) || desktop_.messageBox(); }, kStepTimeout);
    const auto note = desktop_.messageBox();
    if (!note || (!note->text.empty() && !Contains(note->text, kSizeNotFound))) return;
    std::printf("size_note %s\n", OneLine(note->text).c_str());
    desktop_.answer(*note, true);
    Require(WaitUntil([&] { return !desktop_.messageBox(); }, kStepTimeout), "the note on the canvas size did not close");
}

// The canvas size mipro found from the screen, shown on step 6: a practice board's must be exact;
// on a board of somebody else's the user takes it as found.
void ScriptedUser::readCanvasSize() {
    const int width = SizeIn(desktop_.text({Control::txtCANVASW}), "width");
    const int height = SizeIn(desktop_.text({Control::txtCANVASH}), "height");
    std::printf("canvas_found %d %d\n", width, height);
    std::fflush(stdout);
    if (!board_.canvasSizeKnown) return;
    const int boardWidth = board_.canvas.right - board_.canvas.left, boardHeight = board_.canvas.bottom - board_.canvas.top;
    Require(width == boardWidth && height == boardHeight,
            "mipro found a canvas of " + std::to_string(width) + " x " + std::to_string(height) + ", the board's is " +
                std::to_string(boardWidth) + " x " + std::to_string(boardHeight));
}

// Step 7's check boxes, from mipro's own settings (the check on, lines off) to the ones asked.
void ScriptedUser::chooseHowToDraw() {
    if (options_.strokes) press({Control::chkSTROKE});
    if (!options_.check) press({Control::chkCHECK});
}

// Step 7: the speed, mipro's window put aside, "描画開始", and the run watched to its end.
// Returns the run's time in milliseconds, from the button's release: the run starts there (a
// button acts when it comes up), and the hand's own way to the button and its hold are not mipro's.
long long ScriptedUser::draw() {
    pressNext();
    press({Control::optSPEED, options_.speedIndex});
    chooseHowToDraw();
    offerMain("step7");
    moveMainClear();
    awaitAvailable({Control::cmdDRAW});
    desktop_.press({Control::cmdDRAW});
    const auto start = std::chrono::steady_clock::now();
    Settle();
    if (desktop_.keptAbove().has_value()) {
        Require(WaitUntil([&] { return desktop_.keptAbove() == true || desktop_.messageBox(); }, kStepTimeout),
                "the run did not start");
    }
    auto end = start;
    // mipro reads the canvas with the pointer resting where it parks it at the end.
    const ScreenPoint parked = parkedPointer();
    CheckWatch checkWatch;
    int looks = 0;
    const bool ended = WaitUntil(
        [&] {
            checkWatch.saw(desktop_.caption() == kCheckingCaption && desktop_.pointer() == parked);
            const auto question = ++looks % kLooksPerQuestionLook == 0 ? desktop_.messageBox() : std::nullopt;
            if (question) {
                answerQuestion(*question);
                return false;
            }
            if (options_.handAtPercent >= 0 && !handMoved_ && PercentIn(desktop_.caption()) >= options_.handAtPercent) {
                handMoves();
            }
            if (aimedHand_.due()) aimedHand_.watch();
            if (options_.endAtPercent >= 0 && PercentIn(desktop_.caption()) >= options_.endAtPercent) return true;
            end = std::chrono::steady_clock::now();
            return runEnded();
        },
        kRunTimeout);
    if (!ended) desktop_.describeBoard();
    Require(ended, "the run did not end; the caption reads \"" + desktop_.caption() + "\"");
    Require(!aimedHand_.due(), "the run ended before the hand's moment came");
    std::printf("check_ms %lld\n", checkWatch.milliseconds());
    return std::chrono::duration_cast<std::chrono::milliseconds>(end - start).count();
}

// The run gives the window's place above the others back as it ends; where the edition cannot
// see that, the end shows as the last caption with the pointer parked left of the canvas. A run
// that stopped rests the pointer there before its note comes: it has ended once the note is closed.
bool ScriptedUser::runEnded() {
    if (const auto above = desktop_.keptAbove()) return !*above;
    const std::string caption = desktop_.caption();
    if (StartsWith(caption, kStoppedLead) && !endNoteClosed_) return false;
    return FinalCaption(caption) && desktop_.pointer() == parkedPointer();
}

ScreenPoint ScriptedUser::parkedPointer() const {
    return {board_.canvasOrigin.x - kStartPointLeftOfCanvas, board_.canvasOrigin.y};
}

// "描画を止めますか？", asked when a pointer read during the colour reset lags, is answered No, so the
// preparation is tried again. The question whether to draw the part of the picture inside the
// canvas is answered Yes, and a note at the run's end is closed. Any other message ends the run.
void ScriptedUser::answerQuestion(const MessageBoxSeen& question) {
    switch (WhatTheBoxSays(question.text, desktop_.caption())) {
        case BoxSays::Stop:
            std::printf("retry_answer %s\n", question.text.c_str());
            desktop_.answer(question, false);
            return;
        case BoxSays::Coverage:
            std::printf("coverage_question %s\n", OneLine(question.text).c_str());
            desktop_.answer(question, true);
            return;
        case BoxSays::EndNote:
            std::printf("end_message %s\n", OneLine(question.text).c_str());
            desktop_.answer(question, true);
            endNoteClosed_ = true;
            return;
        case BoxSays::GoOn: answerGoOn(question); return;
        case BoxSays::Other:
            desktop_.describeBoard();
            Fail("the run stopped with a question: " + question.text);
    }
}

// "描画を続けますか？", after the hand took the mouse, is answered Yes.
void ScriptedUser::answerGoOn(const MessageBoxSeen& question) {
    Require(handMoved_ || aimedHand_.timesTaken() > 0 || desktop_.asksWithoutAHand(),
            "the run stopped with a question nobody's hand caused");
    aimedHand_.questionAnswered();
    if (stepShots_.wanted()) {
        desktop_.showActive(question);
        stepShots_.offer("go-on-question", question.rect);
    }
    desktop_.answer(question, true);
    ++goOnAnswers_;
}

// The hand takes the mouse off the canvas and moves on in small steps. Its first movement lands
// beside the canvas: a movement while a click's button is held (3 ms of every pixel) is a drag on
// the board, which would paint where the hand went, and no program can stop that.
void ScriptedUser::handMoves() {
    const ScreenPoint from{board_.canvas.left, board_.canvas.bottom + kHandClear};
    for (int step = 0; step < kHandSteps; ++step) {
        desktop_.moveTo({from.x + kHandStepPx * step, from.y + kHandStepPx * step});
        std::this_thread::sleep_for(kHandStepPause);
    }
    handMoved_ = true;
    // The guide's pictures need the question the hand causes.
    if (stepShots_.wanted()) {
        Require(WaitUntil([&] { return desktop_.messageBox().has_value(); }, kStepTimeout),
                "moving the mouse did not interrupt the run");
    }
}

// A desktop without a window manager cannot minimise a window out of sight, so during the run
// mipro's window would stay where it is, perhaps over the board. The user puts it beside the
// board, else in a corner of the screen clear of it, as one would on a crowded desktop.
void ScriptedUser::moveMainClear() {
    const auto own = desktop_.mainWindowRect();
    Require(own.has_value(), "mipro's window is not on the screen");
    const int width = own->right - own->left, height = own->bottom - own->top;
    const ScreenRect s = desktop_.screen();
    const ScreenPoint places[] = {
        {board_.keepClear.left - width - kAside, own->top},
        {s.right - width - kAside, s.bottom - height - kAside},
        {kAside, s.bottom - height - kAside},
        {s.right - width - kAside, kAside},
        {kAside, kAside},
    };
    for (const ScreenPoint p : places) {
        const ScreenRect there{p.x, p.y, p.x + width, p.y + height};
        if (p.x < 0 || p.y < 0 || Overlap(there, board_.keepClear)) continue;
        desktop_.moveMainWindow(p);
        Settle();
        return;
    }
    Fail("no place on the screen is clear of the board");
}

void ScriptedUser::press(ControlRef c) {
    awaitAvailable(c);
    desktop_.press(c);
    Settle();
}

void ScriptedUser::awaitAvailable(ControlRef c) {
    Require(WaitUntil([&] { return desktop_.available(c); }, kStepTimeout), "a control did not become available");
}

void ScriptedUser::pressNext() { press({Control::cmdNEXT}); }

// Next comes on when the step is done; a message box instead says why it is not.
void ScriptedUser::waitForNext(const std::string& what) {
    WaitUntil([&] { return desktop_.available({Control::cmdNEXT}) || desktop_.messageBox(); }, kStepTimeout);
    if (const auto box = desktop_.messageBox()) Fail(what + ": " + box->text);
    Require(desktop_.available({Control::cmdNEXT}), what);
}

// For each square in turn: waits for the magnifier, puts the pointer where its guide lines up with
// the square's corner, and presses Enter. The first lined-up view is offered as `shot` with the
// board around it. The magnifier closes after the last.
void ScriptedUser::lineUp(const std::vector<ScreenPoint>& squares, const std::string& shot) {
    const MagnifierGeometry g = MagnifierGeometryFor(desktop_.twipsPerPixel(), desktop_.twipsPerPixel());
    for (std::size_t i = 0; i < squares.size(); ++i) {
        Require(WaitUntil([&] { return desktop_.magnifierRect().has_value(); }, kStepTimeout),
                "the magnifier did not open");
        // The magnifier puts the pointer where it opens: the hand moves only after that.
        Settle();
        // The window is centred on the pointer and the square lies SrcDX pixels from its left
        // edge and SrcDY from its top.
        const ScreenPoint p{squares[i].x - g.SrcDX + g.HalfWPx, squares[i].y - g.SrcDY + g.HalfHPx};
        for (int tries = 0; tries < kPlacingTries && !(desktop_.pointer() == p); ++tries) {
            desktop_.moveTo(p);
            Settle();
        }
        if (i == 0 && stepShots_.wanted()) {
            // The view is drawn when the pointer moves: a step aside and back draws the board as
            // it is now, repainted where the main window lay before it hid.
            desktop_.moveTo({p.x + 1, p.y});
            Settle();
            desktop_.moveTo(p);
            stepShots_.offer(shot, Union(*desktop_.magnifierRect(), board_.board));
        }
        desktop_.pressEnter();
        Settle();
    }
    Require(WaitUntil([&] { return !desktop_.magnifierRect() && desktop_.mainWindowShown(); }, kStepTimeout),
            "the magnifier did not close");
}

// The main window in front, for the guide's picture of a step.
void ScriptedUser::offerMain(const std::string& shot) {
    if (!stepShots_.wanted()) return;
    desktop_.showMainActive();
    const auto rect = desktop_.mainWindowRect();
    Require(rect.has_value(), "mipro's window is not on the screen");
    stepShots_.offer(shot, *rect);
}

}  // namespace mipro::testing
