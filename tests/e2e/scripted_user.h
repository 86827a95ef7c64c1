// The user of a whole run, written once for both editions: it goes through the seven steps as a
// user does (Next, the file dialog with the path typed, the extraction, the board's option
// button, both captures lined up in the magnifier and confirmed with Enter, the speed and
// "描画開始"), puts mipro's window clear of the board, waits for the run to end answering its
// questions, and saves the board's canvas. What it does it asks of a Desktop (desktop.h), which
// each edition's driver implements.
//
// It prints "board_window L T W H", "go_on_answers K" (questions "描画を続けますか？" answered Yes),
// "elapsed_ms N" (from the release of "描画開始", when the button acts, to the end of the run),
// "check_ms N" (how long of it the caption read " 描画を確認しています..." with the pointer resting
// left of the canvas: mipro reading the canvas back for its check) and, for each question "描画を止めますか？" answered No so that the
// preparation is tried again, "retry_answer TEXT".
// On step 6 it reads the canvas size mipro found ("canvas_found W H"), which on a practice board
// must be the board's (where mipro found none and says so, the note is closed: "size_note TEXT");
// the question that part of the picture lies outside the canvas is answered Yes
// ("coverage_question TEXT"), the note at the end closed ("end_message TEXT"); it prints the
// caption the run ended with ("end_caption TEXT") and the board's record ("board ITEM", see
// Desktop::boardRecord).
// With --end-at-percent it ends the session at that per cent instead and prints "ended_after_ms N".
// With --hand-during an aimed hand (aimed_hand.h) takes the mouse at its moments, each printed as
// "hand_took_mouse N at X Y" (where it found the pointer); the run fails when one never came.
// The comparison of the canvas with the picture is left to the caller (scripts/e2e).
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "tests/e2e/aimed_hand.h"
#include "tests/e2e/desktop.h"
#include "tests/e2e/run_options.h"
#include "tests/e2e/step_shots.h"

namespace mipro::testing {

class ScriptedUser {
public:
    ScriptedUser(Desktop& desktop, const RunOptions& options);

    // The whole run, from showing the board to the outputs; a failure ends the driver (Fail).
    void run();

private:
    void startMipro();
    void choosePicture();
    void extractPixels();
    void chooseColours();
    void chooseBoard();
    void captureColourControls();
    void captureCanvas();
    void closeSizeNotFoundNote();
    void readCanvasSize();
    void chooseHowToDraw();
    long long draw();

    // During the run.
    bool runEnded();
    // Where mipro rests the pointer while it reads the canvas, and when the run has ended.
    ScreenPoint parkedPointer() const;
    void answerQuestion(const MessageBoxSeen& question);
    void answerGoOn(const MessageBoxSeen& question);
    void closeCodeWindowLeftOpen();
    void printOutcome();
    void handMoves();
    void moveMainClear();

    // The hand on the controls and the magnifier.
    void press(ControlRef c);
    void awaitAvailable(ControlRef c);
    void pressNext();
    void waitForNext(const std::string& what);
    void lineUp(const std::vector<ScreenPoint>& squares, const std::string& shot);
    void offerMain(const std::string& shot);

    Desktop& desktop_;
    const RunOptions& options_;
    StepShots stepShots_, endShot_;
    BoardOnScreen board_;
    AimedHand aimedHand_;
    bool handMoved_ = false;
    int goOnAnswers_ = 0;
    bool endNoteClosed_ = false;
};

}  // namespace mipro::testing
