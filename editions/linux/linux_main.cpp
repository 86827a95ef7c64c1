// mipro, the Linux edition: one instance at a time, the X11 desktop as the platform, frmMAIN as
// the start-up window; the program ends with its last window.
#include <gtk/gtk.h>
#include <glib-unix.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "app/frame.h"
#include "app/main_form.h"
#include "editions/linux/display_loss.h"
#include "editions/linux/gtk_form_style.h"
#include "editions/linux/linux_desktop.h"

namespace {

using namespace mipro;
using namespace mipro::linux_x11;

struct Program {
    LinuxDesktop& desk;
    MainForm& form;
};

// The session's end reaches an X client as SIGTERM (or SIGHUP when its terminal goes): what the
// core holds is given back, a button the program holds down is let go, and the program ends, also
// from inside a step's loop.
gboolean OnSessionEnd(gpointer data) {
    auto* program = static_cast<Program*>(data);
    program->form.Session_End();
    program->desk.pointer.leftButtonUp();
    std::exit(0);
}

// The display went away under the program (the session ended before any signal came): nothing
// can be drawn or released on it any more, but the sorts and the work files go as at any end.
void OnDisplayLost(void* data) {
    auto* program = static_cast<Program*>(data);
    program->desk.files.stopSorts();
    program->form.Form_Unload();
}

}  // namespace

int main(int argc, char** argv) {
    gtk_init(&argc, &argv);
    // A second start ends at once, silently, before any window shows.
    if (!ClaimSingleInstance()) return 0;

    LinuxDesktop desk;
    if (!desk.x.opened()) {
        std::fprintf(stderr, "mipro: no X display could be opened\n");
        return 1;
    }
    InstallFormStyle();
    Wizard wizard(desk.platform);
    MainForm form(wizard);
    Program program{desk, form};
    g_unix_signal_add(SIGTERM, OnSessionEnd, &program);
    g_unix_signal_add(SIGHUP, OnSessionEnd, &program);
    TidyUpWhenDisplayLost(OnDisplayLost, &program);

    desk.window.create(form);
    Form_Load(wizard);
    gtk_main();
    return 0;
}
