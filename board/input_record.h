// The board's record of the input it received: how many events of each kind, and the latest ones.
#pragma once

#include <deque>

#include "board/geometry.h"

namespace mipro::board {

// The time of an input event in milliseconds, as the system's event clock gives it (any origin).
using Millis = long long;

enum class InputKind { Move, ButtonDown, ButtonUp };

struct InputEvent {
    InputKind kind;
    Point at;
    friend bool operator==(const InputEvent&, const InputEvent&) = default;
};

class InputRecord {
public:
    static constexpr std::size_t kKept = 32;

    void add(InputEvent e) {
        ++counts_[static_cast<int>(e.kind)];
        latest_.push_back(e);
        if (latest_.size() > kKept) latest_.pop_front();
    }
    long count(InputKind kind) const { return counts_[static_cast<int>(kind)]; }
    // Oldest first.
    const std::deque<InputEvent>& latest() const { return latest_; }

private:
    long counts_[3] = {0, 0, 0};
    std::deque<InputEvent> latest_;
};

}  // namespace mipro::board
