// The simulated desktop's record of everything that happened, in order, for tests to read.
#pragma once

#include <string>
#include <vector>

#include "base/types.h"

namespace mipro::sim {

enum class EventKind { Move, ButtonDown, ButtonUp, Sleep, Sound, MessageBox, DoEvents, FocusRect, SetPixel, Key };

struct Event {
    EventKind kind{};
    ScreenPoint at{};     // Move, ButtonDown, ButtonUp, SetPixel
    int value = 0;        // Sleep: milliseconds; Sound: bytes played; MessageBox: style; SetPixel: colour
    std::string text{};   // MessageBox: the message; Key: what the keyboard sent ("type #", "enter", ...)
    ScreenRect rect{};    // FocusRect
};

class Log {
public:
    void add(Event e) { events_.push_back(std::move(e)); }
    const std::vector<Event>& events() const { return events_; }
    void clear() { events_.clear(); }

    std::vector<Event> only(EventKind kind) const {
        std::vector<Event> out;
        for (const Event& e : events_)
            if (e.kind == kind) out.push_back(e);
        return out;
    }
    int count(EventKind kind) const { return static_cast<int>(only(kind).size()); }

private:
    std::vector<Event> events_;
};

}  // namespace mipro::sim
