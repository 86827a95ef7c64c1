#include "editions/linux/gtk_dialogs.h"

#include <gtk/gtk.h>

#include <cctype>
#include <filesystem>

#include "editions/linux/gtk_focus.h"
#include "editions/linux/gtk_message_icon.h"
#include "editions/linux/gtk_text.h"

namespace mipro::linux_x11 {

namespace {

constexpr int kButtonsMask = 7;
constexpr int kIconMask = 0x70;

GtkWindow* ActiveWindow() {
    GList* windows = gtk_window_list_toplevels();
    GtkWindow* active = nullptr;
    for (GList* w = windows; w; w = w->next) {
        if (gtk_window_is_active(GTK_WINDOW(w->data))) active = GTK_WINDOW(w->data);
    }
    g_list_free(windows);
    return active;
}

GtkMessageType MessageTypeOf(int style) {
    switch (style & kIconMask) {
        case MsgBox::Question: return GTK_MESSAGE_QUESTION;
        case MsgBox::Exclamation: return GTK_MESSAGE_WARNING;
        case MsgBox::Information: return GTK_MESSAGE_INFO;
        default: return GTK_MESSAGE_OTHER;
    }
}

// The icon stands left of the text, in the row that holds the text's column.
void AddIcon(GtkMessageDialog* box, int style) {
    GtkWidget* icon = MessageIcon(style);
    if (!icon) return;
    GtkWidget* row = gtk_widget_get_parent(gtk_message_dialog_get_message_area(box));
    gtk_widget_set_valign(icon, GTK_ALIGN_START);
    gtk_box_pack_start(GTK_BOX(row), icon, FALSE, FALSE, 0);
    gtk_box_reorder_child(GTK_BOX(row), icon, 0);
    gtk_widget_show(icon);
}

// A Yes/No box has no way out but its two buttons: Esc and the window's close box both reach the
// box as a delete event, which GtkDialog first turns into a "deleted" answer. The answer is
// stopped before gtk_dialog_run hears it, and the box is not destroyed.
void IgnoreDeletion(GtkDialog* box, gint response, gpointer) {
    if (response == GTK_RESPONSE_DELETE_EVENT) g_signal_stop_emission_by_name(box, "response");
}

gboolean KeepStanding(GtkWidget*, GdkEvent*, gpointer) { return TRUE; }

// "*.BMP" matches file names ending in .bmp in any letter case; "*.*" matches every file.
std::string EitherCase(const std::string& pattern) {
    if (pattern == "*.*") return "*";
    std::string out;
    for (const char c : pattern) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (std::isalpha(u)) {
            out += '[';
            out += static_cast<char>(std::tolower(u));
            out += static_cast<char>(std::toupper(u));
            out += ']';
        } else {
            out += c;
        }
    }
    return out;
}

void AddFilters(GtkFileChooser* chooser, const OpenFileRequest& request) {
    int index = 1;
    for (const FileFilter& f : request.filters) {
        GtkFileFilter* filter = gtk_file_filter_new();
        gtk_file_filter_set_name(filter, f.displayText.c_str());
        gtk_file_filter_add_pattern(filter, EitherCase(f.pattern).c_str());
        gtk_file_chooser_add_filter(chooser, filter);
        // Index 0 asks for no particular filter, which is the first.
        if (index == request.filterIndex || (request.filterIndex == 0 && index == 1)) {
            gtk_file_chooser_set_filter(chooser, filter);
        }
        ++index;
    }
}

void StartAt(GtkFileChooser* chooser, const std::string& place) {
    std::error_code ec;
    const std::filesystem::path path(place);
    if (std::filesystem::is_regular_file(path, ec)) {
        gtk_file_chooser_set_filename(chooser, place.c_str());
    } else if (std::filesystem::is_directory(path, ec)) {
        gtk_file_chooser_set_current_folder(chooser, place.c_str());
    } else if (path.has_parent_path()) {
        gtk_file_chooser_set_current_folder(chooser, path.parent_path().c_str());
    }
}

}  // namespace

int GtkDialogs::messageBox(const std::string& text, int style, const std::string& title) {
    const bool yesNo = (style & kButtonsMask) == MsgBox::YesNo;
    GtkWindow* owner = ActiveWindow();
    GtkWidget* box = gtk_message_dialog_new(owner, GTK_DIALOG_MODAL, MessageTypeOf(style), GTK_BUTTONS_NONE, "%s",
                                            LineFeedText(text).c_str());
    // The buttons read as the program's other texts do, whatever the desktop's language.
    if (yesNo) {
        gtk_dialog_add_buttons(GTK_DIALOG(box), "はい(_Y)", GTK_RESPONSE_YES, "いいえ(_N)", GTK_RESPONSE_NO, nullptr);
    } else {
        gtk_dialog_add_button(GTK_DIALOG(box), "OK", GTK_RESPONSE_OK);
    }
    AddIcon(GTK_MESSAGE_DIALOG(box), style);
    // Connected before gtk_dialog_run connects its own handlers, so these run first.
    if (yesNo) {
        g_signal_connect(box, "response", G_CALLBACK(IgnoreDeletion), nullptr);
        g_signal_connect(box, "delete-event", G_CALLBACK(KeepStanding), nullptr);
    }
    gtk_window_set_title(GTK_WINDOW(box), title.c_str());
    gtk_window_set_keep_above(GTK_WINDOW(box), TRUE);
    // With no window of the program in front (a draw run keeps it minimised), the box stands in
    // the middle of the screen.
    if (!owner) gtk_window_set_position(GTK_WINDOW(box), GTK_WIN_POS_CENTER);
    const int first = yesNo ? GTK_RESPONSE_YES : GTK_RESPONSE_OK;
    gtk_dialog_set_default_response(GTK_DIALOG(box), first);
    gtk_widget_grab_focus(gtk_dialog_get_widget_for_response(GTK_DIALOG(box), first));
    TakeKeyboardFocus(box);
    const int response = gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
    // A draw run goes on without letting GTK's loop run for seconds: the answered box leaves the
    // screen now, not at the run's next pause for events.
    gdk_display_flush(gdk_display_get_default());
    if (!yesNo) return MsgBox::AnswerOk;
    return response == GTK_RESPONSE_YES ? MsgBox::AnswerYes : MsgBox::AnswerNo;
}

std::optional<std::string> GtkDialogs::openFile(const OpenFileRequest& request) {
    GtkWidget* dialog = gtk_file_chooser_dialog_new("開く", ActiveWindow(), GTK_FILE_CHOOSER_ACTION_OPEN,
                                                    "キャンセル(_C)", GTK_RESPONSE_CANCEL, "開く(_O)",
                                                    GTK_RESPONSE_ACCEPT, nullptr);
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
    gtk_file_chooser_set_local_only(chooser, TRUE);
    AddFilters(chooser, request);
    StartAt(chooser, request.initialDirectory);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT);
    TakeKeyboardFocus(dialog);

    std::optional<std::string> chosen;
    if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
        if (gchar* name = gtk_file_chooser_get_filename(chooser)) {
            chosen = name;
            g_free(name);
        }
    }
    gtk_widget_destroy(dialog);
    return chosen;
}

}  // namespace mipro::linux_x11
