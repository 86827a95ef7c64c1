// What the scripted user of a whole run asks of a desktop. Each edition's driver answers with its
// own system calls: tests/windows/e2e (Win32 under Wine) and tests/linux/e2e (X11 with XTest).
// The user itself (scripted_user.h) is written once, in these words.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/types.h"
#include "interfaces/main_window.h"

namespace mipro::testing {

// The board on the screen as the captures must find it.
struct BoardOnScreen {
    // The top-left corners of the magnified squares the user lines up the magnifier's guide with:
    // page 5's places in the order it captures them (the red, green and blue controls; a code
    // board's "#" button where captured, its field, its swatch and its close button where
    // captured), then the canvas.
    std::vector<ScreenPoint> colourSquares;
    ScreenPoint canvasSquare;
    ScreenPoint canvasOrigin;  // the canvas's first pixel
    ScreenRect board;          // the board's window, or the canvas alone for a board of somebody else's
    ScreenRect canvas;
    ScreenRect keepClear;      // the part of the screen the run works in: mipro's window stays off it
    // A code board's window over the canvas, where it has one: its close button (x), with which
    // the user shuts it after a run that stopped because it lay there, and a pixel of its face.
    struct CodeWindow {
        ScreenPoint closer;
        ScreenPoint face;
    };
    std::optional<CodeWindow> codeWindow;
    // A practice board's canvas is exactly `canvas`: the size mipro finds must be its size. A board
    // of somebody else's is taken as mipro finds it.
    bool canvasSizeKnown = false;
};

// A message box of mipro's as the user sees it.
struct MessageBoxSeen {
    std::uintptr_t id = 0;
    ScreenRect rect;
    std::string text;  // its title and message (UTF-8); empty where the edition cannot read them
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // The board: shown (or found) before mipro starts, its canvas saved after the run.
    virtual BoardOnScreen showBoard() = 0;
    virtual bool saveCanvas(const std::string& bmpPath) = 0;
    // Tells on stderr what the board last saw, when a run stops where it should not; a board
    // that keeps no record of its input has nothing to tell.
    virtual void describeBoard() {}
    // The practice board's record of presses, one item a line as its report gives them ("tool T",
    // "presses C K T P B", "stray N M", "busy N K D", where kept "input M D U"); empty for a board
    // that keeps no record.
    virtual std::vector<std::string> boardRecord() { return {}; }

    // mipro and its main window.
    virtual void startMipro() = 0;
    virtual bool mainWindowShown() = 0;
    virtual void endMipro() = 0;
    // Ends the user's session under the running mipro (`how` as --end-at-percent names it) and
    // waits for mipro to end by itself; returns the milliseconds that took. Fails the driver
    // where mipro does not end at once, or cleanly.
    virtual long long endSession(const std::string& how) = 0;
    virtual std::optional<ScreenRect> mainWindowRect() = 0;
    virtual void moveMainWindow(ScreenPoint topLeft) = 0;
    virtual std::string caption() = 0;  // the main window's title (UTF-8)
    // Whether the window holds itself above the others, as it does during a run; nullopt where
    // the edition cannot tell.
    virtual std::optional<bool> keptAbove() = 0;
    // The window in front with its title bar painted active, for a screenshot; nothing to do
    // where title bars are painted as they should be.
    virtual void showMainActive() {}

    // The controls of frmMAIN: shown and enabled, and pressed as a user does.
    virtual bool available(ControlRef c) = 0;
    virtual void press(ControlRef c) = 0;
    // Whether mipro has put the pointer on the control, as it puts it on Next once a step is done:
    // a press made with the pointer before then can lose its release to that move. An edition
    // whose presses do not use the pointer need not wait for it.
    virtual bool pointerParkedOn(ControlRef) { return true; }
    // What a text box of frmMAIN shows (UTF-8), read as a user can: looked at or copied out.
    virtual std::string text(ControlRef c) = 0;

    // The file dialog: open, and a path typed into it and confirmed.
    virtual bool fileDialogOpen() = 0;
    virtual void typePathAndConfirm(const std::string& utf8Path) = 0;

    // The magnifier.
    virtual std::optional<ScreenRect> magnifierRect() = 0;  // nullopt while it is not shown
    virtual int twipsPerPixel() = 0;

    // Message boxes: the open one, answered Yes or No.
    virtual std::optional<MessageBoxSeen> messageBox() = 0;
    // A question answered Yes or No; a box with OK alone is closed with it whatever `yes` says.
    virtual void answer(const MessageBoxSeen& box, bool yes) = 0;
    virtual void showActive(const MessageBoxSeen&) {}  // as showMainActive, for a message box
    // Whether a run may ask to go on though nobody moved the mouse (a pointer read that lags).
    virtual bool asksWithoutAHand() const = 0;

    // The hand and the eyes.
    virtual ScreenRect screen() = 0;
    virtual ScreenPoint pointer() = 0;
    virtual void moveTo(ScreenPoint p) = 0;
    virtual void clickAt(ScreenPoint p) = 0;
    // The colour the screen shows at p, 0x00BBGGRR.
    virtual std::int32_t pixelAt(ScreenPoint p) = 0;
    virtual void pressEnter() = 0;
};

}  // namespace mipro::testing
