#include "tests/sim/sim_board.h"

#include "board/board_picture.h"

namespace mipro::sim {

// The part the pointer listener reaches through a weak pointer, so a board that is gone is ignored.
struct SimBoard::Shared {
    board::Board model;
    ScreenPoint origin;  // where the board's top-left pixel lies now
    bool captured = false;
};

namespace {

board::Point ToBoard(ScreenPoint p, ScreenPoint origin) { return {p.x - origin.x, p.y - origin.y}; }

}  // namespace

SimBoard::SimBoard(SimDesktop& desk, const SimBoardOptions& options)
    : screen_(desk.screen),
      shared_(std::make_shared<Shared>(
          Shared{board::Board(options.kind, options.canvas, options.busy), options.screenOrigin})),
      face_(board::DrawBoard(shared_->model)) {
    window_ = screen_.addWindow(windowRect(), options.className);
    screen_.setPixelSource(window_, [this](ScreenPoint at) { return pixelAt(at); });

    std::weak_ptr<Shared> weak = shared_;
    SimScreen& screen = screen_;
    const WindowHandle window = window_;
    desk.pointer.addListener([weak, &screen, window](EventKind kind, ScreenPoint at) {
        const std::shared_ptr<Shared> s = weak.lock();
        if (!s) return;
        const board::Point p = ToBoard(at, s->origin);
        if (kind == EventKind::ButtonDown && !s->captured) {
            if (screen.windowFromPoint(at) != window) return;
            s->captured = true;
            s->model.buttonDown(p);
        } else if (!s->captured) {
            if (kind == EventKind::Move && screen.windowFromPoint(at) == window) s->model.move(p);
        } else if (kind == EventKind::ButtonDown) {
            s->model.buttonDown(p);
        } else if (kind == EventKind::Move) {
            s->model.move(p);
        } else if (kind == EventKind::ButtonUp) {
            s->captured = false;
            s->model.buttonUp(p);
        }
    });
}

SimBoard::~SimBoard() { screen_.removeWindow(window_); }

const board::Board& SimBoard::model() const { return shared_->model; }

ColourValue SimBoard::pixelAt(ScreenPoint at) const {
    const board::Point p = ToBoard(at, shared_->origin);
    const board::Rect canvas = model().layout().canvasRect();
    if (canvas.contains(p)) return model().canvas().at(p.x - canvas.left, p.y - canvas.top);
    return face_.inside(p.x, p.y) ? face_.at(p.x, p.y) : board::kPanelColour;
}

ScreenRect SimBoard::windowRect() const {
    const board::Size size = model().layout().boardSize();
    const ScreenPoint o = shared_->origin;
    return {o.x, o.y, o.x + size.width, o.y + size.height};
}

ScreenPoint SimBoard::toScreen(board::Point p) const { return {shared_->origin.x + p.x, shared_->origin.y + p.y}; }

void SimBoard::moveTo(ScreenPoint screenOrigin) {
    shared_->origin = screenOrigin;
    screen_.moveWindow(window_, windowRect());
}

ScreenPoint SimBoard::canvasOrigin() const { return toScreen(model().layout().canvasOrigin()); }

ScreenPoint SimBoard::canvasGuideCorner() const { return toScreen(model().layout().canvasGuideCorner()); }

ScreenPoint SimBoard::guideCorner(board::Channel c) const { return toScreen(model().layout().guideCorner(c)); }

ScreenPoint SimBoard::arrowPoint(board::Channel c, board::Arrow a) const {
    return toScreen(model().layout().arrowPoint(c, a));
}

ScreenPoint SimBoard::sliderZero(board::Channel c) const { return toScreen(model().layout().paintControl(c).zero); }

}  // namespace mipro::sim
