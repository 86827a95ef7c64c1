// The board's record of the presses it received, by the place each landed on. A press on the
// canvas or on a colour control is what mipro means to make, and one on the ColourCode window
// (which lies over the canvas) is that window's business; any other is a stray press, and the
// first ones are kept with where they landed and whether they changed the tool or the colour.
#pragma once

#include <array>
#include <vector>

#include "board/geometry.h"

namespace mipro::board {

enum class PressPlace { Canvas, ColourControl, ToolButton, Palette, BareBoard, CodeWindow };
constexpr int kPressPlaces = 6;

struct StrayPress {
    PressPlace place;
    Point at;
    bool changed;  // the press changed the board's tool or colour
    friend bool operator==(const StrayPress&, const StrayPress&) = default;
};

class PressRecord {
public:
    static constexpr std::size_t kKept = 32;

    void add(PressPlace place, Point at, bool changed) {
        ++counts_[static_cast<int>(place)];
        if (place == PressPlace::Canvas || place == PressPlace::ColourControl || place == PressPlace::CodeWindow) return;
        ++strays_;
        if (changed) ++strayChanges_;
        if (first_.size() < kKept) first_.push_back({place, at, changed});
    }
    long count(PressPlace place) const { return counts_[static_cast<int>(place)]; }
    long strays() const { return strays_; }
    long strayChanges() const { return strayChanges_; }
    // The first stray presses, oldest first.
    const std::vector<StrayPress>& firstStrays() const { return first_; }

private:
    std::array<long, kPressPlaces> counts_{};
    long strays_ = 0;
    long strayChanges_ = 0;
    std::vector<StrayPress> first_;
};

}  // namespace mipro::board
