// The program-wide state: plain variables reachable from every window, living as long as the program.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/picture.h"
#include "base/types.h"

namespace mipro {

constexpr int kBoardOekaki = 0;
constexpr int kBoardPaint = 1;

// The size of a board's canvas in pixels; 0 while it is not known.
struct CanvasSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool known() const { return width > 0 && height > 0; }
    friend bool operator==(const CanvasSize&, const CanvasSize&) = default;
};

// Screen positions captured with the magnifier, for both board kinds. A ...Mag member whose x is 0
// counts as never captured.
struct CaptureRecord {
    ScreenPoint PooHomeMag, PooHome;
    ScreenPoint PooRMag, PooRBtn1, PooRBtn2;
    ScreenPoint PooGMag, PooGBtn1, PooGBtn2;
    ScreenPoint PooBMag, PooBBtn1, PooBBtn2;
    ScreenPoint ShiHomeMag, ShiHome;
    ScreenPoint ShiRMag, ShiRBar;
    ScreenPoint ShiGMag, ShiGBar;
    ScreenPoint ShiBMag, ShiBBar;
    // The canvas's size, found from the screen when its origin is captured and corrected by the user.
    CanvasSize PooCanvas, ShiCanvas;
};

// The digits last set on oekakiBBS's colour controls. Not known once a click may have missed its
// button or reached it unplanned: the board's colour must then be reset before it is trusted.
struct PooDigits {
    std::int32_t PooRTens = 0, PooGTens = 0, PooBTens = 0;
    std::int32_t PooROnes = 0, PooGOnes = 0, PooBOnes = 0;
    bool known = true;
};

// The values last set on PaintBBS's sliders; not known as with PooDigits, and then every slider is
// set again.
struct ShiSliders {
    std::int32_t ShiRNow = 0, ShiGNow = 0, ShiBNow = 0;
    bool known = true;
};

struct State {
    // The wizard frame.
    std::string AppTitle;
    std::int32_t StepNo = 0;
    std::array<Boolean, 16> StepDoneTable{};  // element (s, k) at s + 8 * k
    std::int16_t BoardKind = 0;
    Boolean CanClose = False;
    std::int32_t SoundOn = 0;
    std::string ImgFileName;
    std::int32_t SpeedIndex = 0;
    std::int32_t SpeedWait = 0;
    std::int32_t TwipsX = 0;
    std::int32_t TwipsY = 0;
    std::vector<std::uint8_t> SndEnd, SndEnter, SndCancel, SndClick;
    ScreenPoint CurPnt;

    Boolean& StepDone(int step, int kind) { return StepDoneTable.at(step + 8 * kind); }

    // The loaded picture.
    Picture picIMG;
    std::int32_t ImgWidth = 0;
    std::int32_t ImgHeight = 0;
    std::string ImgInfoText;
    float ThumbScale = 0;

    // The work files of the pixel extraction.
    std::string BatFile, PifFile, PixFile, SortFile, DoneFile;
    std::int32_t PixCount = 0;

    // Targeting and drawing.
    Boolean ClassCheck = False;
    CaptureRecord capture;
    PooDigits poo;
    ShiSliders shi;
    Boolean DeskTopMode = False;
    DeviceContext ScreenDC = 0;  // 0 while no draw run holds it
    ScreenPoint DeskPnt;
    ScreenRect DeskRect;
    Boolean DeskWaiting = False;
    // Whether the note on the browser's zoom has been shown since the program started.
    Boolean ZoomNoteShown = False;
    // The choices of step 7: read the canvas back after a board run and mend what differs, and
    // draw a row of neighbouring pixels of one colour as one line.
    Boolean CheckAfterDraw = True;
    Boolean StrokeRuns = False;
};

}  // namespace mipro
