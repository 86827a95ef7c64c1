// Pauses kept to a steady schedule. Each pause is due to end its own length after the previous
// one was due to end, so the time the program spends between two pauses (placing the pointer,
// sending a button event, a repaint) and the lateness of the previous wake-up count toward the
// pause instead of adding to it: the board sees its input events the chosen pause apart.
// When the program was held up for longer than the pause asks (a message box, a busy system),
// the schedule starts afresh and the pause is given in full, so no pause is ever skipped to catch
// up.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>

namespace mipro {

class PauseSchedule {
public:
    // now_us: the time on a steady clock, in microseconds. Returns how long to wait, in microseconds.
    std::int64_t waitFor(std::int64_t now_us, int milliseconds) {
        const std::int64_t length = std::max(milliseconds, 0) * std::int64_t{1000};
        if (!due_ || now_us - *due_ > length) due_ = now_us;
        *due_ += length;
        return std::max<std::int64_t>(*due_ - now_us, 0);
    }

private:
    std::optional<std::int64_t> due_;
};

}  // namespace mipro
