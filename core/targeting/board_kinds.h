// What differs between the board kinds, in one place, looked up by BoardKind: where the capture
// record keeps each kind's canvas, and which illustrations its pages show. The colour routines,
// which belong to the draw run, have their own table (drawing/board_colour.h).
#pragma once

#include <cstdint>

#include "wizard/state.h"
#include "wizard/wizard.h"

namespace mipro {

struct BoardKindPlaces {
    ScreenPoint CaptureRecord::*home;     // the canvas origin
    CanvasSize CaptureRecord::*canvas;    // the canvas size found on page 6
    CanvasRing CaptureRecord::*ring;      // what surrounded the canvas then
    int rgbImage, homeImage, drawImage;   // the illustrations (imgSTIMG) of pages 5, 6 and 7
};

const BoardKindPlaces& PlacesOf(int boardKind);

// The chosen board's canvas origin, size found on page 6 and surroundings.
ScreenPoint CanvasOrigin(const State& st);
CanvasSize& ChosenCanvas(State& st);
const CanvasSize& ChosenCanvas(const State& st);
CanvasRing& ChosenRing(State& st);
const CanvasRing& ChosenRing(const State& st);

// The start point: 5 pixels left of the canvas origin, where the run clicks the board to give it the
// focus, and where the pointer rests whenever the canvas is read.
constexpr std::int32_t kStartPointLeftOfCanvas = 5;
ScreenPoint StartPoint(const State& st);

// Of the illustrations `image` names for each kind, shows the chosen kind's and hides the others.
void ShowKindIllustration(Wizard& w, int BoardKindPlaces::*image);

}  // namespace mipro
