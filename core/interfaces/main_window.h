// The main window frmMAIN and its controls, as the core sees them.
#pragma once

#include <string>

#include "base/types.h"

namespace mipro {

class Picture;

// Controls of frmMAIN, named by the design's prefixes: cmd button, lbl label, pic picture box,
// img image, opt option button, chk check box, txt text box, line line. Control arrays take an
// index (the step number for the per-page arrays).
enum class Control {
    picSTEP,         // picSTEP(1) to (7): the seven step pages; only the current one shows
    cmdBACK,         // "< 戻る(&B)": Back, one step down
    cmdNEXT,         // "次へ(&N) >": Next, one step up; the wake-up timer clicks it to enter step 1
    cmdHELP,         // "ヘルプ(&H)": shown but always disabled
    lineTOP,         // lineTOP(0) and (1): the etched line above the buttons, shadow and highlight
    lblSTLBL,        // lblSTLBL(step): the page's explanation
    lblSTINFO,       // lblSTINFO(step): the blue status text of pages 2, 3, 5, 6 and 7
    imgSTIMG,        // imgSTIMG(0) to (10): the illustrations on the pages' left, one per board kind on 5 to 7
    picIMGCHK,       // picIMGCHK(2) and (3): the picture's thumbnail, and the extraction's progress over it
    chkSOUND,        // "音で知らせる": the sound cues on or off (step 1)
    imgSND,          // imgSND(0) speaker off and (1) speaker on, beside chkSOUND
    lblVERSION,      // "バージョン情報 ...": opens frmABOUT, the version window
    txtIMGFILENAME,  // the path of the picture loaded (step 2)
    cmdOPEN,         // "参照...": the file-open dialog for the picture (step 2)
    optBOARD,        // optBOARD(0) oekakiBBS, (1) PaintBBS and (2) a board that takes a colour code (step 4)
    cmdGETRGB,       // "設定...": the magnifier for the board's three colour controls (step 5)
    cmdGETHOME,      // "設定...": the magnifier for the canvas origin (step 6)
    optSPEED,        // optSPEED(0) fast, (1) normal, (2) slow, (3) the board's own pace (step 7)
    cmdDRAW,         // "描画開始": the draw run (step 7)
    lblCANVAS,       // lblCANVAS(0) "大きさ:" and (1) "x": the words around the canvas size (step 6)
    txtCANVASW,      // the canvas's width, found from the screen and correctable (step 6)
    txtCANVASH,      // the canvas's height, found from the screen and correctable (step 6)
    chkCHECK,        // "描き終わったら確かめて直す": read the canvas back after a board run and mend (step 7)
    chkSTROKE,       // "同じ色の横並びを線で描く": a row of one colour drawn as one line (step 7)
    optCOLOURS,      // optCOLOURS(0) the picture's own colours, (1) to (5) reduced to 16, 32, 64, 128, 256 (step 3)
    chkDITHER,       // "ディザリングする": the reduced colours mixed by dithering (step 3)
    chkSHIEXACT,     // PaintBBS: the sliders brought to the exact value by Shift+clicks (step 5)
    chkCODEOPEN,     // the code kind: a button opens the code's field before each code (step 5)
    chkCODECLOSE,    // the code kind: a button closes the field's window after each code (step 5)
    chkCODEHASH,     // the code kind: the code typed with "#" in front (step 5)
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

// The side of the square a thumbnail box picIMGCHK shows a picture in, in pixels: a larger
// picture is scaled down to fit it, and step 3 reveals it row by row.
constexpr int kThumbnailSide = 140;

// How often the wake-up timer tmrWakeup fires while it is enabled.
constexpr int kWakeupIntervalMs = 100;

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
    // Check box: 0 unchecked, 1 checked. Option button: 1 selected, 0 not; setting one leaves
    // the others of its group alone (wizard/option_group.h selects one and clears the rest). A
    // window system that clears a group's buttons only by selecting another may ignore the 0.
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
    // Copies row `row` (kThumbnailSide x 1) of box `from` to the same place in box `to`.
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
