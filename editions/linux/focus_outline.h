// The focus rectangle on a compositing desktop. There, what is drawn on the root window is painted
// over at the compositor's next repaint of that place, and inverting it again afterwards leaves a
// stray outline; so each outline is a window of its own instead: above the others, left alone by
// the window manager (override-redirect), shaped to the one-pixel frame, its pixels black and white
// in turn, and with no input shape, so clicks and the pointer pass through to the window below.
#pragma once

#include <utility>
#include <vector>

#include "base/types.h"
#include "editions/linux/x11_connection.h"

namespace mipro::linux_x11 {

class FocusOutlines {
public:
    FocusOutlines(Display* display, int screen, XWindow root);
    ~FocusOutlines();
    FocusOutlines(const FocusOutlines&) = delete;
    FocusOutlines& operator=(const FocusOutlines&) = delete;

    // As an inverting drawing does: shows the outline of `r`, or takes away the one shown there.
    // A rectangle with no width or height shows nothing.
    void toggle(ScreenRect r);
    // Takes away every outline shown.
    void removeAll();
    bool anyShown() const { return !shown_.empty(); }

private:
    Display* display_;
    int screen_;
    XWindow root_;
    std::vector<std::pair<ScreenRect, XWindow>> shown_;
};

}  // namespace mipro::linux_x11
