// The end of the X connection under the program: at logout the session's X server goes away, often
// before any signal reaches the program. GDK's own answer ends the process at once; this one first
// lets the program tidy up what lives outside the display (its work files, its sorts).
#pragma once

namespace mipro::linux_x11 {

// The exit status of a program whose display went away.
constexpr int kDisplayLostExitCode = 1;

// From now on a lost X connection (on any of the process's connections) runs `tidyUp(data)` and
// ends the process with kDisplayLostExitCode. `tidyUp` must not use the display. Call it after
// gtk_init, which installs GDK's own handler.
void TidyUpWhenDisplayLost(void (*tidyUp)(void* data), void* data);

}  // namespace mipro::linux_x11
