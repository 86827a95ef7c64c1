// frmMAG, the magnifier window, as the core sees it: its sizes, the keys and mouse buttons it
// reports and what the core draws into it. An edition turns its window system's keys and buttons
// into the ones named here.
#pragma once

#include <string>

#include "base/types.h"

namespace mipro {

class Picture;

// The window: a square of this many pixels without a title bar.
constexpr int kMagnifierSizePx = 307;
// The magnified view at the window's corner, and the screen square it shows three times larger.
constexpr int kViewSizePx = 300;
constexpr int kSourceSizePx = 100;
// The guide picture: kGuideFrameCount frames of the view's size side by side, laid over the view in
// turn.
constexpr int kGuideFrameSize = kViewSizePx;
constexpr int kGuideFrameCount = 11;

// The keys the magnifier answers; every other key arrives as Other.
enum class MagnifierKey { Other, Enter, Escape, Left, Up, Right, Down };

// The mouse buttons of Form_MouseUp; any further button arrives as Other.
enum class MouseButton { Other, Left, Right, Middle };

// Events of the magnifier window, delivered while the core lets pending events run.
class MagnifierEvents {
public:
    virtual ~MagnifierEvents() = default;
    virtual void Form_KeyDown(MagnifierKey KeyCode) = 0;
    virtual void Form_MouseUp(MouseButton Button) = 0;
    virtual void Form_Unload() = 0;
};

// The window, kMagnifierSizePx square.
class MagnifierWindow {
public:
    virtual ~MagnifierWindow() = default;
    virtual void move(double leftTwips, double topTwips) = 0;
    virtual double left() = 0;
    virtual double top() = 0;
    virtual void resize(double widthTwips, double heightTwips) = 0;
    virtual void show() = 0;
    virtual void focus() = 0;
    // The guide frames side by side, the source of andGuideFrame. False when the window system
    // could not hold them.
    virtual bool loadGuide(const Picture& guide) = 0;
    // StretchBlt of the kSourceSizePx square at (srcX, srcY) of `source` to kViewSizePx square at
    // the view's corner.
    virtual void stretchFrom(DeviceContext source, int srcX, int srcY) = 0;
    // BitBlt SRCAND of guide frame `frame` over the view.
    virtual void andGuideFrame(int frame) = 0;
    virtual void textOut(int x, int y, const std::string& text, ColourValue colour) = 0;
};

}  // namespace mipro
