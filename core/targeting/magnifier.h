// frmMAG: the magnifier with which the user shows where a board's colour controls and canvas
// are. It follows the pointer, shows the square left of it three times larger with the guide
// frame laid over it, and records the capture on Enter.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "interfaces/magnifier_window.h"
#include "interfaces/screen.h"
#include "targeting/magnifier_geometry.h"
#include "wizard/resting_focus_rect.h"
#include "wizard/wizard.h"

namespace mipro {

// The text telling where the pointer is: " ( x , y )".
std::string CoordinateText(ScreenPoint p);

class Magnifier : public MagnifierEvents {
public:
    // Loads the window; it stays hidden until shown.
    explicit Magnifier(Wizard& w);

    MagnifierWindow& window() { return *window_; }

    void InitFormSize();
    // Runs the positioning loop until positioning ends.
    void MoveWndProc();
    void WndPosDefault();
    void WndPosGo(ScreenPoint c);

    void Form_KeyDown(MagnifierKey KeyCode) override;
    void Form_MouseUp(MouseButton Button) override;
    void Form_Unload() override;

private:
    class LoopResources;

    void centreOnPointer();
    void pass(RestingFocusRect& mark);
    void drawView();
    // The help texts and CurPnt, the pointer as the pass just read it.
    void drawTexts(int dx, int dy, ColourValue colour);
    // Records the capture at CurPnt, which Form_KeyDown has just read.
    void confirm();
    void stepBackOrCancel();
    void redrawNextPass();
    // The slot being captured (capture_record.h): SubPos counts the slots confirmed so far.
    int slot() const;

    Wizard& w_;
    MagnifierGeometry g_;
    WindowHandle hDeskWnd = 0;
    DeviceContext hDeskDC = 0;
    DeviceContext hScrDC = 0;
    ScreenPoint LastPnt;
    bool Running = false;
    bool Unloaded = false;
    int SubPos = 0;
    int GuideBase = 0;
    std::vector<int> slots_;  // the slots this capture takes, in order
    ScreenRect FocusRc;
    bool guide_loaded_ = false;
    // Declared last so that it is unloaded first, while the rest is still whole.
    std::unique_ptr<MagnifierWindow> window_;
};

// Opens a fresh magnifier for the current step and board kind, lets the user position it and
// unloads it when positioning has ended.
void RunMagnifier(Wizard& w);

}  // namespace mipro
