// Message boxes as the user meets them: a script of key presses and window-manager requests runs
// while the box waits for its answer, and the answer it gives is the one the core receives.
#include <gtest/gtest.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <functional>
#include <string>
#include <vector>

#include "editions/linux/gtk_dialogs.h"
#include "tests/linux/gtk_test_support.h"

namespace mipro::testing {
namespace {

using linux_x11::GtkDialogs;

constexpr guint kStepIntervalMs = 150;
// Steps a box may stand after the script's last action before the test gives up on it.
constexpr size_t kPatienceSteps = 20;

GtkWidget* ShownMessageBox() {
    GtkWidget* shown = nullptr;
    GList* windows = gtk_window_list_toplevels();
    for (GList* w = windows; w; w = w->next) {
        if (GTK_IS_MESSAGE_DIALOG(w->data) && gtk_widget_get_mapped(GTK_WIDGET(w->data))) shown = GTK_WIDGET(w->data);
    }
    g_list_free(windows);
    return shown;
}

// A key on the keyboard: it goes to the window with the keyboard focus, which the box took itself.
void PressKey(GtkWidget* box, KeySym key) {
    Display* display = GDK_WINDOW_XDISPLAY(gtk_widget_get_window(box));
    const KeyCode code = XKeysymToKeycode(display, key);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    XFlush(display);
}

// What the window manager sends when the user clicks the window's close box.
void ClickCloseBox(GtkWidget* box) {
    GdkWindow* window = gtk_widget_get_window(box);
    Display* display = GDK_WINDOW_XDISPLAY(window);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = GDK_WINDOW_XID(window);
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XFlush(display);
}

// One thing the user does to the box; the script waits a step between them.
using Action = std::function<void(GtkWidget* box)>;

struct Script {
    std::vector<Action> actions;
    size_t next = 0;
    size_t stepsAfterLast = 0;
    bool gaveUp = false;
    std::vector<std::string> seen{};  // what the test observed, one word per step
};

std::string IconName(GtkWidget* box) {
    std::string found;
    GtkWidget* row = gtk_widget_get_parent(gtk_message_dialog_get_message_area(GTK_MESSAGE_DIALOG(box)));
    GList* children = gtk_container_get_children(GTK_CONTAINER(row));
    for (GList* c = children; c; c = c->next) {
        const std::string name = gtk_widget_get_name(GTK_WIDGET(c->data));
        if (name.rfind("dialog-", 0) == 0 && gtk_widget_get_visible(GTK_WIDGET(c->data))) found = name;
    }
    g_list_free(children);
    return found;
}

// Each step waits for the box to be shown and to hold the keyboard: a key sent to a box the server
// has not yet given the focus goes elsewhere (a busy machine maps it a while before).
gboolean RunStep(gpointer data) {
    auto* script = static_cast<Script*>(data);
    GtkWidget* box = ShownMessageBox();
    if (!box || !gtk_window_is_active(GTK_WINDOW(box))) return G_SOURCE_CONTINUE;
    if (script->next == script->actions.size()) {
        // A box that outlives its script is closed, so a failing test ends.
        if (++script->stepsAfterLast == kPatienceSteps) {
            script->gaveUp = true;
            gtk_dialog_response(GTK_DIALOG(box), GTK_RESPONSE_CANCEL);
        }
        return G_SOURCE_CONTINUE;
    }
    script->seen.push_back(script->next == 0 ? IconName(box) : "standing");
    script->actions[script->next++](box);
    return G_SOURCE_CONTINUE;
}

// Shows the box and plays the script on it; the answer, and what was seen before each action.
int AnswerOf(const std::string& text, int style, Script& script) {
    const guint source = g_timeout_add(kStepIntervalMs, RunStep, &script);
    GtkDialogs dialogs;
    const int answer = dialogs.messageBox(text, style, "mipro");
    g_source_remove(source);
    EXPECT_FALSE(script.gaveUp) << "the box outlived its script";
    return answer;
}

const Action kEsc = [](GtkWidget* box) { PressKey(box, XK_Escape); };
const Action kEnter = [](GtkWidget* box) { PressKey(box, XK_Return); };
const Action kCloseBox = [](GtkWidget* box) { ClickCloseBox(box); };
const Action kTab = [](GtkWidget* box) { PressKey(box, XK_Tab); };

TEST(GtkMessageBox, YesNoBoxOutlastsEscAndTheCloseBoxAndEnterAnswersYes) {
    MIPRO_SKIP_WITHOUT_GTK();
    Script script{{kEsc, kCloseBox, kEsc, kEnter}};
    EXPECT_EQ(AnswerOf("描画を止めますか？", MsgBox::YesNo | MsgBox::Question, script), MsgBox::AnswerYes);
    // The icon, then the box still standing after Esc, the close box and Esc again.
    EXPECT_EQ(script.seen, (std::vector<std::string>{"dialog-question", "standing", "standing", "standing"}));
}

TEST(GtkMessageBox, TabThenEnterAnswersNo) {
    MIPRO_SKIP_WITHOUT_GTK();
    Script script{{kTab, kEnter}};
    EXPECT_EQ(AnswerOf("続けますか？", MsgBox::YesNo | MsgBox::Question, script), MsgBox::AnswerNo);
}

// Whether another client of the X server still sees the window on the screen.
bool ViewableToOthers(Window window) {
    Display* other = XOpenDisplay(nullptr);
    if (!other) return false;
    const auto previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    XWindowAttributes attributes{};
    const bool viewable = XGetWindowAttributes(other, window, &attributes) != 0 && attributes.map_state == IsViewable;
    XSetErrorHandler(previous);
    XCloseDisplay(other);
    return viewable;
}

// During a draw run the program answers a box and goes on clicking without running GTK's loop.
TEST(GtkMessageBox, AnAnsweredBoxLeavesTheScreenBeforeTheProgramGoesOn) {
    MIPRO_SKIP_WITHOUT_GTK();
    Window shown = None;
    const Action noteThenEnter = [&shown](GtkWidget* box) {
        shown = GDK_WINDOW_XID(gtk_widget_get_window(box));
        PressKey(box, XK_Return);
    };
    Script script{{noteThenEnter}};
    EXPECT_EQ(AnswerOf("描画を続けますか？", MsgBox::YesNo | MsgBox::Exclamation, script), MsgBox::AnswerYes);
    ASSERT_NE(shown, static_cast<Window>(None));
    EXPECT_FALSE(ViewableToOthers(shown));
}

TEST(GtkMessageBox, OkBoxClosesOnEscAndShowsItsIcon) {
    MIPRO_SKIP_WITHOUT_GTK();
    const struct {
        int icon;
        const char* name;
    } kIcons[] = {{MsgBox::Exclamation, "dialog-warning"}, {MsgBox::Information, "dialog-information"}};
    for (const auto& icon : kIcons) {
        Script script{{kEsc}};
        EXPECT_EQ(AnswerOf("終了しました", MsgBox::OkOnly | icon.icon, script), MsgBox::AnswerOk);
        EXPECT_EQ(script.seen, (std::vector<std::string>{icon.name})) << icon.name;
    }
}

}  // namespace
}  // namespace mipro::testing
