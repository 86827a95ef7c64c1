#include "tests/sim/sim_board.h"

#include "board/board_picture.h"

namespace mipro::sim {

// The part the listeners reach through a weak pointer, so a board that is gone is ignored.
struct SimBoard::Shared {
    board::Board model;
    ScreenPoint origin;  // where the board's top-left pixel lies now
    bool captured = false;
    bool focused = false;  // the keyboard's focus, which a click on the board gives it
    std::optional<board::Raster> shown{};  // the board as drawn after its latest event, drawn when read

    void changed() { shown.reset(); }
    const board::Raster& picture() {
        if (!shown) shown = board::DrawBoard(model);
        return *shown;
    }
};

namespace {

board::Point ToBoard(ScreenPoint p, ScreenPoint origin) { return {p.x - origin.x, p.y - origin.y}; }

board::BoardSetup SetupOf(const SimBoardOptions& o) {
    board::BoardSetup setup;
    setup.kind = o.kind;
    setup.canvas = o.canvas;
    setup.busy = o.busy;
    setup.busyMs = o.busyMs;
    setup.opener = o.opener;
    setup.dropFocus = o.dropFocus;
    setup.stabiliser = o.stabiliser;
    setup.penCursor = o.penCursor;
    return setup;
}

// A key as a window system delivers it to the board: characters as typed, the others down and up.
void Deliver(board::Board& model, const SimKeyEvent& e) {
    switch (e.key) {
        case SimKey::Character:
            if (e.down) model.typed(static_cast<char32_t>(e.character));
            break;
        case SimKey::LetterA:
            if (e.down) model.typed(U'a');
            break;
        case SimKey::Control: e.down ? model.keyDown(board::Key::Control) : model.keyUp(board::Key::Control); break;
        case SimKey::Shift: e.down ? model.keyDown(board::Key::Shift) : model.keyUp(board::Key::Shift); break;
        case SimKey::Enter: e.down ? model.keyDown(board::Key::Enter) : model.keyUp(board::Key::Enter); break;
    }
}

}  // namespace

SimBoard::SimBoard(SimDesktop& desk, const SimBoardOptions& options)
    : screen_(desk.screen),
      shared_(std::make_shared<Shared>(Shared{board::Board(SetupOf(options)), options.screenOrigin})) {
    window_ = screen_.addWindow(windowRect(), options.className);
    screen_.setPixelSource(window_, [this](ScreenPoint at) { return pixelAt(at); });

    std::weak_ptr<Shared> weak = shared_;
    SimScreen& screen = screen_;
    const SimClock& clock = desk.clock;
    const WindowHandle window = window_;
    desk.pointer.addListener([weak, &screen, &clock, window](EventKind kind, ScreenPoint at) {
        const std::shared_ptr<Shared> s = weak.lock();
        if (!s) return;
        const board::Point p = ToBoard(at, s->origin);
        const board::Millis now = clock.nowMs();
        const bool over = screen.windowFromPoint(at) == window;
        if (kind == EventKind::ButtonDown && !s->captured) {
            s->focused = over;
            if (!over) return;
            s->captured = true;
            s->model.buttonDown(p, now);
        } else if (!s->captured) {
            if (kind != EventKind::Move) return;
            if (over) s->model.move(p, now);
            else s->model.leave();
        } else if (kind == EventKind::ButtonDown) {
            s->model.buttonDown(p, now);
        } else if (kind == EventKind::Move) {
            s->model.move(p, now);
        } else if (kind == EventKind::ButtonUp) {
            s->captured = false;
            s->model.buttonUp(p, now);
        }
        s->changed();
    });
    desk.keyboard.addListener([weak](const SimKeyEvent& e) {
        const std::shared_ptr<Shared> s = weak.lock();
        if (!s || !s->focused) return;
        Deliver(s->model, e);
        s->changed();
    });
}

SimBoard::~SimBoard() { screen_.removeWindow(window_); }

const board::Board& SimBoard::model() const { return shared_->model; }

ColourValue SimBoard::pixelAt(ScreenPoint at) const {
    const board::Point p = ToBoard(at, shared_->origin);
    const board::Raster& shown = shared_->picture();
    return shown.inside(p.x, p.y) ? shown.at(p.x, p.y) : board::kPanelColour;
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

namespace {
}  // namespace

ScreenPoint SimBoard::codeOpener() const { return toScreen(Centre(model().layout().codeOpener())); }
ScreenPoint SimBoard::codeField() const { return toScreen(Centre(model().layout().codeField())); }
ScreenPoint SimBoard::codeClose() const { return toScreen(Centre(model().layout().codeClose())); }

// A pixel of the swatch clear of its icon: two in from its top-left corner.
ScreenPoint SimBoard::swatch() const {
    const board::Rect r = model().layout().colourSwatch();
    return toScreen({r.left + 2, r.top + 2});
}

}  // namespace mipro::sim
