// A practice board on the simulated desktop: a window of a Java canvas class covering the whole
// board, driven by the simulated pointer and keyboard, so a test can run mipro against it and read
// the canvas.
//
// Input reaches the board as it would on a real desktop: a button-down only when the board's
// window is the one under the pointer, and from then until the button-up every move and button
// event, wherever the pointer goes (the board holds the mouse capture while the button is down);
// keys once a click has given the board the keyboard's focus. Every event carries the simulated
// clock's time. The screen shows the board as drawn after its latest event (its pen cursor and
// code window included).
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "board/board.h"
#include "tests/sim/sim_desktop.h"

namespace mipro::sim {

struct SimBoardOptions {
    board::Kind kind = board::Kind::OekakiBBS;
    ScreenPoint screenOrigin{20, 20};  // where the board's top-left pixel lies
    board::Size canvas{300, 300};
    std::string className = "SunAwtCanvas";
    board::BusyPattern busy{};  // never busy unless asked
    board::CodeOpener opener = board::CodeOpener::None;  // ColourCode: how its field is reached
    int dropFocus = 0;                                   // ColourCode: the field's focus missed once
    int stabiliser = 0;                                  // drags end this many pixels short
    std::optional<bool> penCursor{};                     // the board's own choice when not given
    int busyMs = 0;                                      // canvas presses closer than this are missed
};

class SimBoard {
public:
    SimBoard(SimDesktop& desk, const SimBoardOptions& options);
    // Takes the window off the screen; pointer events after that are ignored.
    ~SimBoard();
    SimBoard(const SimBoard&) = delete;
    SimBoard& operator=(const SimBoard&) = delete;

    const board::Board& model() const;
    const board::Raster& canvas() const { return model().canvas(); }
    board::Colour colour() const { return model().colour(); }
    int value(board::Channel c) const { return model().value(c); }
    // Canvas presses the busy board missed.
    long missedPresses() const { return model().dropped(); }

    WindowHandle window() const { return window_; }
    ScreenRect windowRect() const;
    // The page scrolled, or the window moved: the board shows, and takes input, from here on.
    void moveTo(ScreenPoint screenOrigin);

    // Screen positions of the board's parts.
    ScreenPoint toScreen(board::Point p) const;
    ScreenPoint canvasOrigin() const;
    // Where the magnifier's 100 x 100 square must start for its guide frame to fit the part.
    ScreenPoint canvasGuideCorner() const;
    ScreenPoint guideCorner(board::Channel c) const;
    // oekakiBBS: where mipro clicks an arrow button.
    ScreenPoint arrowPoint(board::Channel c, board::Arrow a) const;
    // PaintBBS: a slider's reference point, where a press sets 5.
    ScreenPoint sliderZero(board::Channel c) const;
    // ColourCode: a point of each of its places (the field, where it lies once opened).
    ScreenPoint codeOpener() const;
    ScreenPoint codeField() const;
    ScreenPoint codeClose() const;
    ScreenPoint swatch() const;

    // What the board shows at a screen point inside its window.
    ColourValue pixelAt(ScreenPoint at) const;

private:
    struct Shared;

    SimScreen& screen_;
    WindowHandle window_;
    std::shared_ptr<Shared> shared_;
};

}  // namespace mipro::sim
