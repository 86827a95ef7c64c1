// The program-wide state: plain variables reachable from every window, living as long as the program.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/picture.h"
#include "base/types.h"

namespace mipro {

// The values of BoardKind: oekakiBBS (the Poo routines), PaintBBS (the Shi routines) and the boards
// that take a colour typed as a code, "#RRGGBB" (the Code routines: today's HTML5 painters).
constexpr int kBoardOekaki = 0;
constexpr int kBoardPaint = 1;
constexpr int kBoardCode = 2;
constexpr int kBoardKinds = 3;

// A BoardKind as the index of the kinds' tables: oekakiBBS and the code kind as they are, and, as
// the design took every kind but oekakiBBS for PaintBBS, any other value as PaintBBS.
constexpr int KindIndex(int boardKind) {
    return boardKind == kBoardOekaki || boardKind == kBoardCode ? boardKind : kBoardPaint;
}

// The size of a board's canvas in pixels; 0 while it is not known.
struct CanvasSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool known() const { return width > 0 && height > 0; }
    friend bool operator==(const CanvasSize&, const CanvasSize&) = default;
};

// A pixel around a board's canvas, placed from the canvas's origin.
struct RingPixel {
    std::int32_t x = 0;
    std::int32_t y = 0;
    ColourValue colour = 0;
    friend bool operator==(const RingPixel&, const RingPixel&) = default;
};

// What surrounded a board's canvas when its origin was captured: a band a few pixels wide around a
// rectangle at the origin (the canvas found, or the picture's size when none was), as the screen
// showed it then. A read of the canvas that no longer shows it is not of the canvas. Empty while not
// captured.
struct CanvasRing {
    CanvasSize inner;               // the rectangle the band surrounds
    std::vector<RingPixel> pixels;  // the band's pixels that lay on the screen
    friend bool operator==(const CanvasRing&, const CanvasRing&) = default;
};

// Screen positions captured with the magnifier, for both board kinds (Poo: oekakiBBS, Shi:
// PaintBBS). A ...Mag member is where the pointer was when the user confirmed, and where the
// magnifier reopens; one whose x is 0 counts as never captured. The others are derived from it.
struct CaptureRecord {
    ScreenPoint PooHomeMag;  // the pointer when oekakiBBS's canvas corner was confirmed
    ScreenPoint PooHome;     // oekakiBBS's canvas origin: the pixel the picture's (0, 0) is drawn on
    ScreenPoint PooRMag;     // the pointer when oekakiBBS's red buttons were confirmed
    ScreenPoint PooRBtn1;    // red: x is the tens column of buttons, y the row of up buttons
    ScreenPoint PooRBtn2;    // red: x is the ones column of buttons, y the row of down buttons
    ScreenPoint PooGMag;     // the pointer when oekakiBBS's green buttons were confirmed
    ScreenPoint PooGBtn1;    // green: tens column, up row
    ScreenPoint PooGBtn2;    // green: ones column, down row
    ScreenPoint PooBMag;     // the pointer when oekakiBBS's blue buttons were confirmed
    ScreenPoint PooBBtn1;    // blue: tens column, up row
    ScreenPoint PooBBtn2;    // blue: ones column, down row
    ScreenPoint ShiHomeMag;  // the pointer when PaintBBS's canvas corner was confirmed
    ScreenPoint ShiHome;     // PaintBBS's canvas origin
    ScreenPoint ShiRMag;     // the pointer when PaintBBS's red slider was confirmed
    ScreenPoint ShiRBar;     // the zero end of PaintBBS's red slider
    ScreenPoint ShiGMag;     // the pointer when PaintBBS's green slider was confirmed
    ScreenPoint ShiGBar;     // the zero end of the green slider
    ScreenPoint ShiBMag;     // the pointer when PaintBBS's blue slider was confirmed
    ScreenPoint ShiBBar;     // the zero end of the blue slider
    CanvasSize PooCanvas;    // oekakiBBS's canvas size, found from the screen when its origin is captured
    CanvasSize ShiCanvas;    // PaintBBS's canvas size, likewise; the user may correct either
    CanvasRing PooRing;      // what surrounded oekakiBBS's canvas when its origin was captured
    CanvasRing ShiRing;      // what surrounded PaintBBS's canvas, likewise
    // The boards that take a colour as a code. Every point is one the user pointed the magnifier's
    // mark at; the button that opens the field and the one that closes its window are captured
    // only for boards that have them.
    ScreenPoint CodeHomeMag;    // the pointer when the canvas corner was confirmed
    ScreenPoint CodeHome;       // the canvas origin
    ScreenPoint CodeOpenMag;    // the pointer when the button that opens the code's field was confirmed
    ScreenPoint CodeOpen;       // that button ("#", a colour bar opening a prompt)
    ScreenPoint CodeFieldMag;   // the pointer when the code's field was confirmed
    ScreenPoint CodeField;      // the text field that takes the code
    ScreenPoint CodeSwatchMag;  // the pointer when the board's current colour was confirmed
    ScreenPoint CodeSwatch;     // a pixel where the board shows its current colour
    ScreenPoint CodeCloseMag;   // the pointer when the button that closes the code's window was confirmed
    ScreenPoint CodeClose;      // that button (the window's x, or the opener pressed again)
    CanvasSize CodeCanvas;      // the canvas size, as for the other kinds
    CanvasRing CodeRing;        // what surrounded the canvas when its origin was captured
};

// How the code kind's board is driven: the choices of page 5.
struct CodeChoices {
    Boolean CodeOpens = False;   // chkCODEOPEN: a button opens the field before each code
    Boolean CodeCloses = False;  // chkCODECLOSE: a button closes the field's window after each code
    Boolean CodeHash = True;     // chkCODEHASH: the code is typed with "#" in front
};

// The digits last set on oekakiBBS's colour controls, so only the digits that change are clicked.
// Not known once a click may have missed its button or reached it unplanned: the board's colour
// must then be reset before it is trusted.
struct PooDigits {
    std::int32_t PooRTens = 0, PooGTens = 0, PooBTens = 0;  // tens digit of red, green, blue (0 to 25)
    std::int32_t PooROnes = 0, PooGOnes = 0, PooBOnes = 0;  // ones digit of red, green, blue (0 to 9)
    bool known = true;  // false when the board's colour may differ from the digits
};

// The values last set on PaintBBS's sliders, so only the sliders that change are moved; not known
// as with PooDigits, and then every slider is set again.
struct ShiSliders {
    std::int32_t ShiRNow = 0, ShiGNow = 0, ShiBNow = 0;  // red, green, blue: a multiple of 5 (any value with exact colours)
    bool known = true;  // false when a slider may not stand where its value says
};

// The colour last typed into a code board, so a colour already set is not typed again.
struct CodeColour {
    ColourValue CodeNow = 0;
    bool known = false;  // false before the first code and whenever the board's colour is in doubt
};

struct State {
    // The wizard frame.
    std::string AppTitle;  // "ミプロ♪ ver." and the version: the title of the window and of every message box
    std::int32_t StepNo = 0;  // the step shown, 1 to 7 (0 until the wake-up timer enters step 1)
    std::array<Boolean, 8 * kBoardKinds> StepDoneTable{};  // StepDone(step, board kind): element (s, k) at s + 8 * k
    std::int16_t BoardKind = 0;  // the chosen board: kBoardOekaki (0), kBoardPaint (1) or kBoardCode (2)
    Boolean CanClose = False;  // False while the pixel extraction runs: the window refuses to close
    std::int32_t SoundOn = 0;  // the sound cues play when non-zero; mirrors chkSOUND
    std::string ImgFileName;  // full path of the picture last loaded
    std::int32_t SpeedIndex = 0;  // the chosen optSPEED button: 0 fast, 1 normal, 2 slow, 3 the board's own pace
    // The pause in milliseconds around each click of the draw run: 3, 15 or 80; at the board's own
    // pace the run moves it between 0 and 3 as the board takes its presses (drawing/board_pace.h).
    std::int32_t SpeedWait = 0;
    std::int32_t TwipsX = 0;  // twips per screen pixel across, read from the screen at start
    std::int32_t TwipsY = 0;  // twips per screen pixel down
    std::vector<std::uint8_t> SndEnd, SndEnter, SndCancel, SndClick;  // the WAVE images of the cues
    ScreenPoint CurPnt;  // the pointer work point: the pointer as last read; CheckClassName tests it

    // Whether step `step` is done, for board kind `kind` (steps 5 and 6) or kind 0 (the others).
    Boolean& StepDone(int step, int kind) { return StepDoneTable.at(step + 8 * kind); }

    // The loaded picture.
    Picture picIMG;  // the off-screen canvas: the picture's top-left 600 x 600 pixels at most, on white
    std::int32_t ImgWidth = 0;  // the width drawn: the picture's, 600 at most
    std::int32_t ImgHeight = 0;  // the height drawn, 600 at most
    std::string ImgInfoText;  // the size text shown in lblSTINFO(2)
    float ThumbScale = 0;  // the thumbnail's scale: 1, or 140 over the larger side

    // The work files of the pixel extraction (temporary files named "MPR....TMP"); empty until made.
    std::string PixFile;  // the unsorted pixel list, one 15-digit line a pixel
    std::string SortFile;  // the pixel list sorted by colour: what the draw run replays
    std::int32_t PixCount = 0;  // the lines of the pixel list: the non-white pixels

    // The reduction of the picture's colours before its list is made (page 3).
    std::int32_t ColourCount = 0;  // optCOLOURS: the colours the list is reduced to, 16 to 256; 0 keeps the picture's own
    Boolean Dithering = False;  // chkDITHER: the reduction mixes its colours by dithering
    Boolean ListOnBoardGrid = False;  // the list's reduced colours were chosen among PaintBBS's (multiples of 5)

    // Targeting and drawing.
    Boolean ClassCheck = False;  // True while InterruptDraw also asks whether a board is under the pointer
    CaptureRecord capture;  // the captured positions of both boards
    PooDigits poo;  // oekakiBBS's digits as last set
    ShiSliders shi;  // PaintBBS's sliders as last set
    CodeColour code;  // the code board's colour as last set
    CodeChoices codeChoices;  // how the code board is driven
    Boolean ShiExact = False;  // chkSHIEXACT: PaintBBS's sliders brought to the exact value by Shift+clicks
    Boolean DeskTopMode = False;  // True when the run paints straight onto the desktop instead of a board
    DeviceContext ScreenDC = 0;  // the whole screen's device context while a draw run holds it, else 0
    ScreenPoint DeskPnt;  // where the picture's top-left pixel goes on the desktop
    ScreenRect DeskRect;  // the focus rectangle showing the picture's place on the desktop
    Boolean DeskWaiting = False;  // True while the desktop place is chosen; the main window's mouse-up ends it
    Boolean ZoomNoteShown = False;  // True once the note on the browser's zoom has been shown since start
    Boolean CheckAfterDraw = True;  // chkCHECK: read the canvas back after a board run and mend what differs
    Boolean StrokeRuns = False;  // chkSTROKE: a row of neighbouring pixels of one colour drawn as one line
};

}  // namespace mipro
