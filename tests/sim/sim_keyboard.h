// A virtual keyboard whose keys go to the log and to any listeners (the simulated boards), each
// key as pressed or released; keys pass the pointer's hand guard as the editions' do.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "interfaces/keyboard.h"
#include "tests/sim/sim_log.h"
#include "tests/sim/sim_pointer.h"

namespace mipro::sim {

// A key as the keyboard sends it: a character of a code, or one of the named keys.
enum class SimKey { Character, Control, Shift, Enter, LetterA };

struct SimKeyEvent {
    SimKey key = SimKey::Character;
    char character = 0;  // SimKey::Character
    bool down = true;
};

class SimKeyboard : public Keyboard {
public:
    using Listener = std::function<void(const SimKeyEvent&)>;

    SimKeyboard(Log& log, SimPointer& pointer) : log_(log), pointer_(pointer) {}

    void typeCode(std::string_view text) override {
        for (const char c : text) {
            if (kCodeCharacters.find(c) == std::string_view::npos || !pointer_.keyMayGo()) continue;
            log("type " + std::string(1, c));
            tap({SimKey::Character, c});
        }
    }
    void selectAll() override {
        if (!pointer_.keyMayGo()) return;
        log("select all");
        send({SimKey::Control, 0, true});
        tap({SimKey::LetterA});
        send({SimKey::Control, 0, false});
    }
    void pressEnter() override {
        if (!pointer_.keyMayGo()) return;
        log("enter");
        tap({SimKey::Enter});
    }
    void shiftDown() override {
        if (!pointer_.keyMayGo()) return;
        log("shift down");
        send({SimKey::Shift, 0, true});
    }
    void shiftUp() override {
        log("shift up");
        send({SimKey::Shift, 0, false});
    }

    void addListener(Listener l) { listeners_.push_back(std::move(l)); }

private:
    void log(std::string what) { log_.add({EventKind::Key, pointer_.position(), 0, std::move(what)}); }
    void tap(SimKeyEvent e) {
        e.down = true;
        send(e);
        e.down = false;
        send(e);
    }
    void send(const SimKeyEvent& e) {
        for (auto& l : listeners_) l(e);
    }

    Log& log_;
    SimPointer& pointer_;
    std::vector<Listener> listeners_;
};

}  // namespace mipro::sim
