// What the GTK windows' tests share: whether GTK could open the display, and a way to let the
// program's windows and the X server catch up.
#pragma once

#include <gtk/gtk.h>

#include <chrono>
#include <functional>

namespace mipro::testing {

extern bool gGtkReady;

#define MIPRO_SKIP_WITHOUT_GTK() \
    if (!::mipro::testing::gGtkReady) GTEST_SKIP() << "no X display for GTK (set DISPLAY, e.g. to an Xvfb)"

// Runs GTK's events until `done` holds or `limit` has passed; whether it came to hold.
inline bool RunEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        gdk_display_sync(gdk_display_get_default());
        while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
        g_usleep(5000);
    }
    return true;
}

// Runs GTK's events for `span`, so what was asked of the server has come back as events.
inline void RunEventsFor(std::chrono::milliseconds span) {
    RunEventsUntil([] { return false; }, span);
}

}  // namespace mipro::testing
