// The Linux edition's desktop for the scripted user: an X display, bare or under a window manager, the
// board on it already (the practice board's web page in Chromium, or somebody else's), mipro
// started as a child, its windows found by class and title, and every control pressed, typed into
// and seen through the screen as a user does (XTest, XGetImage; see x_user.h).
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/desktop.h"
#include "tests/linux/e2e/x_user.h"

namespace mipro::testing {

// Where the board shows on the screen, as the driver's command line gives it: the pixels the
// captures must yield (on oekakiBBS the tens up-arrow point, on PaintBBS the slider pixel that
// sets 5, on a code board its places themselves; and the canvas's first pixel) and the rectangles
// of the board and its canvas.
struct BoardPlace {
    int kind = 0;                     // page 4's option: oekakiBBS, PaintBBS, ColourCode
    std::vector<ScreenPoint> places;  // page 5's, in the order it captures them
    std::optional<BoardOnScreen::CodeWindow> codeWindow;  // where the board has one, captured or not
    ScreenPoint canvas;
    ScreenRect canvasRect;
    ScreenRect boardRect;         // the canvas alone for a board of somebody else's
    bool practiceBoard = false;   // the practice board's page, which shows its panel at its corner
};

class XDesktop : public Desktop {
public:
    XDesktop(XUser& x, std::string miproPath, const BoardPlace& place);

    BoardOnScreen showBoard() override;
    bool saveCanvas(const std::string& bmpPath) override;
    // The practice board's page keeps its record in its title.
    std::vector<std::string> boardRecord() override;

    void startMipro() override;
    bool mainWindowShown() override;
    void endMipro() override;
    // TERM, INT, QUIT or HUP: that signal to mipro; XKILL: its X connection cut. mipro must end by
    // itself within seconds, with status 0 (1 once its connection is lost).
    long long endSession(const std::string& how) override;
    std::optional<ScreenRect> mainWindowRect() override;
    void moveMainWindow(ScreenPoint topLeft) override;
    std::string caption() override;
    // Keeping above is left untold: on a bare display it shows nowhere.
    std::optional<bool> keptAbove() override;

    bool available(ControlRef c) override;
    bool pointerParkedOn(ControlRef c) override;
    void press(ControlRef c) override;
    // Selected and copied, as a user takes a text out of a box.
    std::string text(ControlRef c) override;

    bool fileDialogOpen() override;
    void typePathAndConfirm(const std::string& utf8Path) override;

    std::optional<ScreenRect> magnifierRect() override;
    int twipsPerPixel() override;

    std::optional<MessageBoxSeen> messageBox() override;
    void answer(const MessageBoxSeen& box, bool yes) override;
    bool asksWithoutAHand() const override { return false; }

    ScreenRect screen() override { return x_.screen(); }
    ScreenPoint pointer() override { return x_.pointer(); }
    void moveTo(ScreenPoint p) override { x_.moveTo(p); }
    void clickAt(ScreenPoint p) override { x_.clickAt(p); }
    std::int32_t pixelAt(ScreenPoint p) override { return x_.look({p.x, p.y, p.x + 1, p.y + 1}).at(0, 0); }
    void pressEnter() override { x_.key("Return"); }

private:
    std::string copiedFromFocus();
    std::optional<TopWindow> mainWindow();
    std::optional<TopWindow> titled(const std::string& title);
    ScreenRect rectOf(ControlRef c);

    XUser& x_;
    std::string miproPath_;
    BoardPlace place_;
    pid_t pid_ = 0;
    XWindowId main_ = 0;
};

}  // namespace mipro::testing
