// The user of an X desktop, for the end-to-end driver: a hand on the mouse and the keyboard
// (XTest, as a real device delivers), eyes on the screen, and the top-level windows it sees, on a
// bare display or under a window manager (which holds each program's window in a frame of its own).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/types.h"
#include "board/raster.h"

// Xlib's display, declared as Xlib.h declares it, so that its True and False stay out of here.
typedef struct _XDisplay Display;

namespace mipro::testing {

using XWindowId = unsigned long;

struct TopWindow {
    XWindowId id;         // the program's own window, inside the window manager's frame if any
    std::string wmClass;  // the class part of WM_CLASS
    std::string title;    // _NET_WM_NAME, else WM_NAME
    ScreenRect rect;      // the program's window on the screen, the frame left out
};

class XUser {
public:
    XUser();
    ~XUser();
    XUser(const XUser&) = delete;
    XUser& operator=(const XUser&) = delete;

    bool connected() const { return display_ != nullptr; }

    // The hand.
    void moveTo(ScreenPoint p);
    ScreenPoint pointer();
    void click();
    void clickAt(ScreenPoint p);
    // A key by its keysym name ("Return", "Escape"), with Control held when asked.
    void key(const std::string& name, bool withControl = false);
    // Text typed a character at a time, any letter of Unicode.
    void type(const std::string& utf8);
    // What the clipboard holds (UTF-8), as a paste would take it; empty when nobody holds it.
    std::string clipboardText();
    // Takes the clipboard over, holding nothing, so that a copy made afterwards shows as another
    // client owning it (clipboardTakenBack).
    void claimClipboard();
    bool clipboardTakenBack();

    // The eyes.
    ScreenRect screen();
    board::Raster look(ScreenRect r);
    // The desktop's dots per inch as programs take them: Xft.dpi, else 96.
    double dotsPerInch();
    // The mapped top-level windows, bottom first.
    std::vector<TopWindow> windows();
    std::optional<TopWindow> window(const std::function<bool(const TopWindow&)>& which);
    // A window's title, shown or not; empty when it has none or is gone.
    std::string title(XWindowId id);
    // Moves a window of another program by hand, so that the window itself (not its frame) lands
    // at `topLeft`; false when it did not get there.
    bool moveWindow(XWindowId id, ScreenPoint topLeft);
    // Asks the window manager to keep a window below the others, out of full screen: a browser's
    // full-screen window, once clicked, would otherwise cover every other window. Nothing happens
    // on a bare display.
    void keepBelow(XWindowId id);
    // Gives a window the keyboard, as a click on its title bar would (a window manager need not
    // give it to a window of a program the user has not touched lately).
    void focus(XWindowId id);
    // Whether a window manager runs on the display (it names its window on the root window).
    bool hasWindowManager();
    // Whether the window manager keeps a window in a state of _NET_WM_STATE (such as
    // "_NET_WM_STATE_ABOVE").
    bool inState(XWindowId id, const std::string& state);
    // Whether the keyboard's input goes to this top-level window (or a window inside it).
    bool holdsFocus(XWindowId topLevel);
    // Asks a window to close, as its close box would.
    void close(XWindowId id);
    // Cuts the connection of the client that made the window, as a server going away would.
    void killClient(XWindowId id);

private:
    void sync();
    bool buttonHeld();
    // The window that holds the clipboard while nothing is copied into it.
    XWindowId clipboardOwner_ = 0;
    // The window's top-left on the screen, and the child of the root holding it (its frame under a
    // window manager, the window itself on a bare display).
    std::optional<ScreenPoint> origin(XWindowId id);
    XWindowId topLevelOf(XWindowId id);

    Display* display_;
};

}  // namespace mipro::testing
