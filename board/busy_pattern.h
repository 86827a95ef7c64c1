// A busy board misses presses: of the first `first` presses on the canvas, every `every`-th one
// (the every-th, the 2 every-th, ...) is dropped as a page that is still busy would miss it.
#pragma once

namespace mipro::board {

struct BusyPattern {
    int every = 0;  // 0: the board is never busy
    int first = 0;

    // press: the number of the canvas press, counted from 1.
    bool drops(long press) const { return every > 0 && press <= first && press % every == 0; }
    friend bool operator==(const BusyPattern&, const BusyPattern&) = default;
};

}  // namespace mipro::board
