#include "editions/linux/display_loss.h"

#include <X11/Xlib.h>

#include <cstdio>

#include <unistd.h>

namespace mipro::linux_x11 {

namespace {

void (*g_tidyUp)(void*) = nullptr;
void* g_tidyUpData = nullptr;

// Xlib ends the process itself if this returns; ending it here skips the static destructors,
// which would talk to the display that is gone.
int OnConnectionLost(Display*) {
    std::fprintf(stderr, "mipro: the connection to the X display was lost\n");
    if (g_tidyUp) g_tidyUp(g_tidyUpData);
    _exit(kDisplayLostExitCode);
}

}  // namespace

void TidyUpWhenDisplayLost(void (*tidyUp)(void* data), void* data) {
    g_tidyUp = tidyUp;
    g_tidyUpData = data;
    XSetIOErrorHandler(OnConnectionLost);
}

}  // namespace mipro::linux_x11
