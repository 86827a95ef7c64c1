// A virtual pointer whose moves and injected buttons go to the log and to any listeners
// (the simulated boards).
#pragma once

#include <functional>
#include <vector>

#include "base/hand_guard.h"
#include "interfaces/pointer.h"
#include "tests/sim/sim_log.h"

namespace mipro::sim {

class SimPointer : public Pointer {
public:
    using Listener = std::function<void(EventKind, ScreenPoint)>;

    SimPointer(Log& log, ScreenRect screen) : log_(log), screen_(screen) {}

    void setCursorPos(ScreenPoint p) override {
        pos_ = clampToScreen(p);
        guard_.placed(pos_);
        log_.add({EventKind::Move, pos_});
        notify(EventKind::Move);
        if (onMove) onMove();
    }
    ScreenPoint getCursorPos() override {
        if (onRead) onRead();
        return guardsHand ? guard_.reading(pos_) : pos_;
    }
    void leftButtonDown() override {
        if (onButton) onButton();
        button(EventKind::ButtonDown, guardsHand ? guard_.press(pos_) : HandGuard::Send::Here);
    }
    void leftButtonUp() override {
        if (onButton) onButton();
        button(EventKind::ButtonUp, guardsHand ? guard_.release(pos_) : HandGuard::Send::Here);
    }
    void setShape(PointerShape shape) override { shape_ = shape; }

    // Whether the keyboard may send a key now: not while a hand has the mouse.
    bool keyMayGo() { return !guardsHand || guard_.key(pos_); }

    // The user's hand on the mouse: moves the pointer without going to the log. The listeners see
    // the move as any other, so a board holding a press drags its pen to where the hand went.
    void userMoves(ScreenPoint p) {
        pos_ = clampToScreen(p);
        notify(EventKind::Move);
    }
    ScreenPoint position() const { return pos_; }
    PointerShape shape() const { return shape_; }
    void addListener(Listener l) { listeners_.push_back(std::move(l)); }

    // Runs before every read of the pointer: lets a test play the user's hand.
    std::function<void()> onRead;
    // Runs before every injected button event, for the same purpose.
    std::function<void()> onButton;
    // Runs after every move the program makes, once the listeners have seen it, for the same purpose.
    std::function<void()> onMove;
    // Button events pass the editions' hand guard: a press is withheld while a hand has the mouse,
    // a release goes where its press went, and the next reading tells where the hand was seen.
    bool guardsHand = false;

private:
    void button(EventKind kind, HandGuard::Send send) {
        if (send == HandGuard::Send::Nothing) return;
        // The event carries the placement with it, as the editions send it.
        if (send == HandGuard::Send::AtPlacement) pos_ = *guard_.placement();
        log_.add({kind, pos_});
        notify(kind);
    }
    ScreenPoint clampToScreen(ScreenPoint p) const {
        if (p.x < screen_.left) p.x = screen_.left;
        if (p.y < screen_.top) p.y = screen_.top;
        if (p.x > screen_.right - 1) p.x = screen_.right - 1;
        if (p.y > screen_.bottom - 1) p.y = screen_.bottom - 1;
        return p;
    }
    void notify(EventKind kind) {
        for (auto& l : listeners_) l(kind, pos_);
    }

    Log& log_;
    ScreenRect screen_;
    ScreenPoint pos_;
    HandGuard guard_;
    PointerShape shape_ = PointerShape::Default;
    std::vector<Listener> listeners_;
};

}  // namespace mipro::sim
