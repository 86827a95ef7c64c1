// The ways the end of the user's session reaches an X client, and the program's one clean end for
// each: SIGTERM at logout or shutdown, SIGHUP when its terminal goes, SIGINT and SIGQUIT from that
// terminal's keyboard, and the X server's connection lost.
#pragma once

#include <functional>

namespace mipro::linux_x11 {

// From now on SIGTERM, SIGHUP, SIGINT and SIGQUIT only mark the session's end as asked for and wake
// the event loop, which then runs `end` from gtk_main or any nested loop (a modal dialog's). `end`
// gives back what the program holds and ends the process; it does not return.
void CatchSessionEndSignals(std::function<void()> end);

// True once one of those signals has come. Cheap: a draw run asks it at every pixel.
bool SessionEndAsked();

// Runs the end given to CatchSessionEndSignals, once.
void EndSessionNow();

// When the connection to the X server breaks (the server went with the session), `cleanUp` runs
// and the process ends with status 1. The windows, the pointer and the screen went with the
// server, so `cleanUp` must not ask anything of X. Set after GTK has opened its display, since
// the handler is one for the whole process and GTK sets its own.
void CleanUpWhenXConnectionLost(std::function<void()> cleanUp);

}  // namespace mipro::linux_x11
