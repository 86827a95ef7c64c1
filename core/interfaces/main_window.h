// The main window frmMAIN and its controls, as the core sees them.
#pragma once

#include <string>

#include "base/types.h"

namespace mipro {

class Picture;

// Controls of frmMAIN. Control arrays take an index (the step number for the per-page arrays).
enum class Control {
    picSTEP,
    cmdBACK,
    cmdNEXT,
    cmdHELP,
    lineTOP,
    lblSTLBL,
    lblSTINFO,
    imgSTIMG,
    picIMGCHK,
    chkSOUND,
    imgSND,
    lblVERSION,
    txtIMGFILENAME,
    cmdOPEN,
    optBOARD,
    cmdGETRGB,
    cmdGETHOME,
    optSPEED,
    cmdDRAW,
};

struct ControlRef {
    Control id;
    int index = 0;
    friend bool operator==(const ControlRef&, const ControlRef&) = default;
};

// Position of a control in pixels from the corner of its container (a step page or the client area).
struct ControlPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The main window's outer rectangle in twips and its client size in pixels.
struct WindowMetrics {
    double width = 0;
    double height = 0;
    double left = 0;
    double top = 0;
    double scaleWidth = 0;
    double scaleHeight = 0;
};

// Origins of a close request, as Form_QueryUnload is told them: the user's close box or system
// menu, the program itself, or the end of the user's session (logoff, shutdown).
constexpr int kUnloadFromUser = 0;
constexpr int kUnloadFromCode = 1;
constexpr int kUnloadFromSession = 2;

// Events of frmMAIN, turned by the platform from the window system's events and delivered while
// the program waits for events or lets pending ones run.
class MainWindowEvents {
public:
    virtual ~MainWindowEvents() = default;
    // The user clicked an enabled control (a check box or option button has already changed its
    // value, as the window system does before it tells of the click).
    virtual void Control_Click(ControlRef c) = 0;
    virtual void tmrWakeup_Timer() = 0;
    // A mouse button was released over the window itself, or anywhere while it holds the capture.
    virtual void Form_MouseUp() = 0;
    virtual void Form_Resize() = 0;
    // Returns the Cancel value: True keeps the window open.
    virtual Boolean Form_QueryUnload(int UnloadMode) = 0;
    virtual void Form_Unload() = 0;
    // The session is ending, perhaps in the middle of a step's loop; the platform ends the program
    // as soon as this returns, without going back into the loop.
    virtual void Session_End() = 0;
};

class MainWindow {
public:
    virtual ~MainWindow() = default;

    // Controls. Setting a value never raises a click: the core raises its own handlers.
    virtual void setEnabled(ControlRef c, bool enabled) = 0;
    virtual bool isEnabled(ControlRef c) = 0;
    virtual void setVisible(ControlRef c, bool visible) = 0;
    virtual bool isVisible(ControlRef c) = 0;
    virtual void setCaption(ControlRef c, const std::string& text) = 0;
    virtual std::string caption(ControlRef c) = 0;
    // Check box: 0 unchecked, 1 checked. Option button: 1 selected, 0 not.
    virtual void setValue(ControlRef c, int value) = 0;
    virtual int value(ControlRef c) = 0;
    virtual void setFocus(ControlRef c) = 0;
    virtual void moveControl(ControlRef c, int leftPx, int topPx) = 0;
    virtual ControlPlacement placement(ControlRef c) = 0;

    // The window itself.
    virtual void setWindowCaption(const std::string& text) = 0;
    virtual std::string windowCaption() = 0;
    virtual WindowMetrics metrics() = 0;
    virtual void showWindow(bool visible) = 0;
    virtual void enableWindow(bool enabled) = 0;
    virtual void focusWindow() = 0;
    virtual void minimize() = 0;
    virtual void restore() = 0;
    virtual void setTopmost(bool topmost) = 0;
    virtual void lockUpdate(bool locked) = 0;
    virtual void setCapture() = 0;
    virtual void releaseCapture() = 0;
    virtual void enableWakeupTimer(bool enabled) = 0;
    // frmABOUT, modal: returns when it is closed. Its caption begins with appTitle.
    virtual void showAboutModal(const std::string& appTitle) = 0;

    // Thumbnail boxes picIMGCHK(index).
    virtual void clearThumbnail(int index) = 0;
    // Paints the top-left w x h pixels of the picture scaled to dw x dh at the box's corner.
    virtual void paintThumbnail(int index, const Picture& picture, int w, int h, int dw, int dh) = 0;
    // Copies row `row` (140 x 1) of box `from` to the same place in box `to`.
    virtual void copyThumbnailRow(int from, int to, int row) = 0;
    virtual void copyThumbnail(int from, int to) = 0;

    // Lets the events already waiting run, once, and returns.
    virtual void doEvents() = 0;
    // Lets a waiting end of the session through, and nothing else: when the session's end has
    // been asked for, Session_End runs and the program ends here. Cheap enough to ask at every
    // pixel of a draw run, which lets the other events run only now and then.
    virtual void deliverSessionEnd() = 0;
};

}  // namespace mipro
