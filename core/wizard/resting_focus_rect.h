// The focus rectangle that shows where the pointer rests, in a loop that lets events run once a
// pass: any movement erases it at once, and it is drawn again, at the pointer, once the pointer
// has stayed put for more than 100 passes counted since it was erased. Passes with movement
// while it is not shown neither count nor reset the count.
#pragma once

namespace mipro {

class RestingFocusRect {
public:
    enum class Action { None, Erase, Draw };

    static constexpr int kRestPasses = 100;

    // Starts hidden, to be drawn once the pointer rests.
    RestingFocusRect() = default;

    // The caller has drawn the rectangle itself: it shows, and is not due again until erased.
    void drawnNow();
    // One pass of the loop: what to do with the rectangle on the screen.
    Action pass(bool pointerMoved);
    bool shown() const { return shown_; }

private:
    bool shown_ = false;
    bool due_ = true;  // to be drawn again once the pointer has rested
    int restCount_ = 0;
};

}  // namespace mipro
