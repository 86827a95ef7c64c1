// mipro, the Linux edition: one instance at a time, the X11 desktop as the platform, frmMAIN as
// the start-up window; the program ends with its last window.
#include <gtk/gtk.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/app_title.h"
#include "app/frame.h"
#include "app/main_form.h"
#include "editions/linux/gtk_dialogs.h"
#include "editions/linux/gtk_form_style.h"
#include "editions/linux/linux_desktop.h"
#include "editions/linux/session_end.h"

namespace {

using namespace mipro;
using namespace mipro::linux_x11;

constexpr int kCannotStart = 1;

const std::string kNoDisplay = "X ディスプレイに接続できませんでした。";
const std::string kDisplayUnset = "X ディスプレイが指定されていません (DISPLAY が空です)。";
const std::string kRunOnX11 = "ミプロ♪ は X11 のデスクトップ (Wayland では XWayland) で起動してください。";
const std::string kConnectionRefused =
    "X サーバーへの 2 本目の接続 (マウス操作と画面の読み取り用) が断られました。\r\n"
    "ほかのプログラムをいくつか閉じてから、起動し直してください。";
const std::string kNoXTest =
    "X サーバーに XTEST 拡張がありません。\r\n"
    "ミプロ♪ はマウスを動かすのに XTEST を使います。XTEST のある X サーバーで起動してください。";
const std::string kLockNotOurs =
    "二重起動を防ぐためのファイル「%s」が、ほかのユーザーのものか、ほかのユーザーも開けるファイルです。\r\n"
    "このファイルは使わず、二重起動の確認をしないで起動します。";

struct Program {
    LinuxDesktop& desk;
    MainForm& form;
};

// No window can show without a display, so the message goes to the terminal.
void ReportNoDisplay() {
    const char* name = gdk_get_display_arg_name();
    if (!name) name = std::getenv("DISPLAY");
    const std::string reason = name && *name ? kNoDisplay + " (" + name + ")" : kDisplayUnset;
    std::fprintf(stderr, "mipro: %s\nmipro: %s\n", reason.c_str(), kRunOnX11.c_str());
}

void ShowMessage(const std::string& text) {
    GtkDialogs dialogs;
    dialogs.messageBox(text, MsgBox::OkOnly | MsgBox::Exclamation, BuildAppTitle(ReadProgramVersion()));
}

std::string LockNotOursText() {
    const std::string path = SingleInstanceLockPath();
    std::string text = kLockNotOurs;
    text.replace(text.find("%s"), 2, path);
    return text;
}

// The session's end (a signal): what the core holds is given back, a button the program holds
// down is let go, a focus rectangle still shown is taken away, and the program ends, also from
// inside a step's loop.
void EndOnSignal(Program& program) {
    program.form.Session_End();
    program.desk.pointer.leftButtonUp();
    program.desk.screen.removeFocusOutlines();
    std::exit(0);
}

// The X server is gone, and the windows, the pointer and the screen with it: what is left to give
// back is the work files and a running sort.
void EndOnConnectionLost(Program& program) {
    program.desk.files.stopSorts();
    program.form.Form_Unload();
}

}  // namespace

int main(int argc, char** argv) {
    // The program reads and drives the screen through X: on a Wayland desktop GTK goes through
    // XWayland as well, so both connections reach the same screen.
    gdk_set_allowed_backends("x11");
    if (!gtk_init_check(&argc, &argv)) {
        ReportNoDisplay();
        return kCannotStart;
    }
    GdkDisplay* gtkDisplay = gdk_display_get_default();
    X11Connection x(gdk_display_get_name(gtkDisplay));
    if (!x.opened()) {
        ShowMessage(kConnectionRefused);
        return kCannotStart;
    }
    if (!x.hasTestExtension()) {
        ShowMessage(kNoXTest);
        return kCannotStart;
    }
    // A second start ends at once, silently, before any window shows.
    const SingleInstance instance = ClaimSingleInstance();
    if (instance == SingleInstance::AnotherRuns) return 0;
    if (instance == SingleInstance::LockNotOurs) ShowMessage(LockNotOursText());

    LinuxDesktop desk{x};
    InstallFormStyle();
    Wizard wizard(desk.platform);
    MainForm form(wizard);
    Program program{desk, form};
    CatchSessionEndSignals([&program] { EndOnSignal(program); });
    CleanUpWhenXConnectionLost([&program] { EndOnConnectionLost(program); });

    desk.window.create(form);
    Form_Load(wizard);
    gtk_main();
    return 0;
}
