// The run a driver is asked for, read from its command line the same way by both editions:
//
//   DRIVER [the edition's leading arguments] PICTURE CANVAS_BMP oekakiBBS|PaintBBS|ColourCode
//          fast|normal|slow [--hand-at-percent P] [--hand-during colour-change|reset]
//          [--end-at-percent HOW,P] [--colours N] [--dither] [--strokes] [--no-check]
//          [--exact-colours] [--opener none|button|window] [--no-closer] [--code-without-hash]
//          [the edition's own options]
//
// An option every edition knows is one row of the table in run_options.cpp and one field here;
// an edition passes the options only it knows (where its board lies) as extra rows.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace mipro::testing {

// How a code board's field is reached, as the practice board's --opener names it: always there,
// beside a "#" button that shows it, or in a window over the canvas that "#" opens and its close
// button shuts.
enum class CodeOpener { None, Button, Window };

// When an aimed hand takes the mouse (aimed_hand.h): never, in the middle of a colour change, or
// in the middle of the reset that brings the board's colour back after an interruption.
enum class HandDuring { Nothing, ColourChange, Reset };

struct RunOptions {
    std::string picture;     // UTF-8, as the user types it into the file dialog
    std::string canvasFile;  // where the board's canvas is saved after the run (24-bit BMP)
    std::string boardName;   // oekakiBBS, PaintBBS or ColourCode
    int boardIndex = 0;      // its option button on step 4
    int speedIndex = 0;      // fast, normal, slow, fastest: the option button on step 7
    // Once the caption shows this per cent, a hand moves the mouse; -1: nobody touches it.
    int handAtPercent = -1;
    HandDuring handDuring = HandDuring::Nothing;
    // Once the caption shows this per cent, the session ends (endHow: TERM, INT, QUIT, HUP or XKILL,
    // the connection to the window system cut); -1: the run goes to its end.
    int endAtPercent = -1;
    std::string endHow;
    // Page 3's reduction: the optCOLOURS button of N colours (0: the picture's own colours, the
    // button mipro starts with) and the dithering box.
    int coloursIndex = 0;
    bool dither = false;
    // Step 7's check boxes: runs of one colour drawn as lines (--strokes), the check after the run
    // left off (--no-check).
    bool strokes = false;
    bool check = true;
    // Page 5's choices: PaintBBS's exact colours (--exact-colours); the code kind's "#" before the
    // code, on unless --code-without-hash.
    bool exactColours = false;
    bool codeHash = true;
    // The code board's opener: the user captures the "#" button where there is one and the
    // window's close button with it, unless --no-closer leaves the closer out.
    CodeOpener opener = CodeOpener::None;
    bool skipCloser = false;
    // With these set (from E2E_STEP_SHOT_DIR and E2E_SHOT_DIR), the user stops for screenshots.
    std::filesystem::path stepShotDir;
    std::filesystem::path endShotDir;
};

// One option of the command line: its name, whether a value follows it, what it sets.
struct OptionRow {
    std::string name;
    bool takesValue;
    std::function<void(const std::string& value)> apply;
};

// The places page 5 captures in order are the "#" button and the close button too.
bool CapturesOpener(const RunOptions& o);
bool CapturesCloser(const RunOptions& o);

// The opener's name on the practice board's command line and in its page's query.
std::string OpenerName(CodeOpener opener);

// Reads the four positional arguments and the options; fails with the usage on anything else.
RunOptions ParseRunOptions(const std::vector<std::string>& args, const std::vector<OptionRow>& editionOptions);

// A path given in UTF-8, as the file system of either edition takes it.
std::filesystem::path PathFromUtf8(const std::string& utf8);

}  // namespace mipro::testing
