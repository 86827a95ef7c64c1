#include "editions/linux/session_end.h"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <glib-unix.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace mipro::linux_x11 {

namespace {

constexpr std::array kSessionEndSignals = {SIGTERM, SIGHUP, SIGINT, SIGQUIT};
constexpr int kConnectionLostStatus = 1;

volatile std::sig_atomic_t g_asked = 0;
// The signal handler writes a byte here to wake the event loop, which reads the other end.
int g_wakeRead = -1;
int g_wakeWrite = -1;
std::function<void()> g_end;
bool g_ending = false;
std::function<void()> g_connectionCleanUp;

void OnSessionEndSignal(int) {
    const int savedErrno = errno;
    g_asked = 1;
    const char wake = 1;
    if (write(g_wakeWrite, &wake, 1) < 0) {
        // The pipe is full: the loop has been woken already.
    }
    errno = savedErrno;
}

gboolean OnWoken(gint, GIOCondition, gpointer) {
    EndSessionNow();
    return G_SOURCE_REMOVE;
}

bool OpenWakePipe() {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::perror("mipro: pipe2");
        return false;
    }
    g_wakeRead = ends[0];
    g_wakeWrite = ends[1];
    return true;
}

int OnXConnectionLost(Display*) {
    if (g_connectionCleanUp) g_connectionCleanUp();
    _exit(kConnectionLostStatus);
}

}  // namespace

void CatchSessionEndSignals(std::function<void()> end) {
    g_end = std::move(end);
    if (!OpenWakePipe()) return;
    g_unix_fd_add(g_wakeRead, G_IO_IN, OnWoken, nullptr);
    struct sigaction action {};
    action.sa_handler = OnSessionEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSessionEndSignals) {
        if (sigaction(signal, &action, nullptr) != 0) std::perror("mipro: sigaction");
    }
}

bool SessionEndAsked() { return g_asked != 0; }

void EndSessionNow() {
    if (g_ending || !g_end) return;
    g_ending = true;
    g_end();
}

void CleanUpWhenXConnectionLost(std::function<void()> cleanUp) {
    g_connectionCleanUp = std::move(cleanUp);
    XSetIOErrorHandler(OnXConnectionLost);
}

}  // namespace mipro::linux_x11
