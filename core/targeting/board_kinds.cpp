#include "targeting/board_kinds.h"

#include <array>

namespace mipro {

namespace {

using R = CaptureRecord;

// oekakiBBS, PaintBBS, the code kind.
const std::array<BoardKindPlaces, kBoardKinds> kPlaces = {{
    {&R::PooHome, &R::PooCanvas, &R::PooRing, 2, 4, 6},
    {&R::ShiHome, &R::ShiCanvas, &R::ShiRing, 3, 5, 7},
    {&R::CodeHome, &R::CodeCanvas, &R::CodeRing, 8, 9, 10},
}};

}  // namespace

const BoardKindPlaces& PlacesOf(int boardKind) { return kPlaces[static_cast<std::size_t>(KindIndex(boardKind))]; }

ScreenPoint CanvasOrigin(const State& st) { return st.capture.*PlacesOf(st.BoardKind).home; }
CanvasSize& ChosenCanvas(State& st) { return st.capture.*PlacesOf(st.BoardKind).canvas; }
const CanvasSize& ChosenCanvas(const State& st) { return st.capture.*PlacesOf(st.BoardKind).canvas; }
CanvasRing& ChosenRing(State& st) { return st.capture.*PlacesOf(st.BoardKind).ring; }
const CanvasRing& ChosenRing(const State& st) { return st.capture.*PlacesOf(st.BoardKind).ring; }

ScreenPoint StartPoint(const State& st) {
    const ScreenPoint origin = CanvasOrigin(st);
    return {origin.x - kStartPointLeftOfCanvas, origin.y};
}

void ShowKindIllustration(Wizard& w, int BoardKindPlaces::*image) {
    for (int kind = 0; kind < kBoardKinds; ++kind)
        w.pf.window.setVisible({Control::imgSTIMG, PlacesOf(kind).*image}, kind == w.st.BoardKind);
}

}  // namespace mipro
