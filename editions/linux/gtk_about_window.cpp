#include "editions/linux/gtk_about_window.h"

#include "app/about_layout.h"
#include "base/nearest_int.h"
#include "editions/linux/embedded_files.h"
#include "editions/linux/gtk_focus.h"
#include "editions/linux/gtk_form_style.h"
#include "editions/linux/gtk_scale.h"
#include "editions/linux/gtk_text.h"
#include "editions/linux/picture_area.h"

namespace mipro::linux_x11 {

namespace {

constexpr int kIconPx = 32;

struct Scale {
    double twipsX, twipsY;
    // Logical pixels for GTK, from the device pixels the twips make.
    int x(int twips) const { return ToLogical(NearestInt(twips / twipsX)); }
    int y(int twips) const { return ToLogical(NearestInt(twips / twipsY)); }
};

void Place(GtkWidget* fixed, GtkWidget* child, const Scale& s, TwipsRect at) {
    gtk_widget_set_size_request(child, s.x(at.width), s.y(at.height));
    gtk_fixed_put(GTK_FIXED(fixed), child, s.x(at.left), s.y(at.top));
}

void OpenAddress(const char* address) { g_app_info_launch_default_for_uri(address, nullptr, nullptr); }

gboolean OnMailReleased(GtkWidget*, GdkEventButton*, gpointer) {
    OpenAddress((std::string("mailto:") + kAuthorMail).c_str());
    return TRUE;
}

gboolean OnHomePageReleased(GtkWidget*, GdkEventButton*, gpointer) {
    OpenAddress(kHomePage);
    return TRUE;
}

// A centred, blue, underlined text that opens its address when clicked, under the hand pointer.
GtkWidget* Link(const std::string& text, GCallback onRelease) {
    GtkWidget* label = gtk_label_new(nullptr);
    gchar* markup = g_markup_printf_escaped("<u>%s</u>", text.c_str());
    gtk_label_set_markup(GTK_LABEL(label), markup);
    g_free(markup);
    gtk_style_context_add_class(gtk_widget_get_style_context(label), kBlueTextClass);
    GtkWidget* box = gtk_event_box_new();
    gtk_container_add(GTK_CONTAINER(box), label);
    g_signal_connect(box, "button-release-event", onRelease, nullptr);
    g_signal_connect(box, "realize", G_CALLBACK(+[](GtkWidget* w, gpointer) {
                         gdk_window_set_cursor(gtk_widget_get_window(w),
                                               gdk_cursor_new_from_name(gtk_widget_get_display(w), "pointer"));
                     }),
                     nullptr);
    return box;
}

}  // namespace

void ShowAboutWindow(GtkWindow* owner, const std::string& appTitle, double twipsX, double twipsY) {
    const Scale s{twipsX, twipsY};
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window), (appTitle + kAboutCaptionSuffix).c_str());
    gtk_window_set_transient_for(GTK_WINDOW(window), owner);
    gtk_window_set_modal(GTK_WINDOW(window), TRUE);
    gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
    gtk_window_set_position(GTK_WINDOW(window), GTK_WIN_POS_CENTER_ON_PARENT);
    gtk_window_set_type_hint(GTK_WINDOW(window), GDK_WINDOW_TYPE_HINT_DIALOG);

    GtkWidget* fixed = gtk_fixed_new();
    gtk_widget_set_size_request(fixed, s.x(kAboutClientWidthTwips), s.y(kAboutClientHeightTwips));
    gtk_container_add(GTK_CONTAINER(window), fixed);

    GtkWidget* icon = gtk_image_new();
    if (GdkPixbuf* image = PixbufFrom(EmbeddedFile("mipro.ico"), kIconPx, kIconPx)) {
        gtk_image_set_from_pixbuf(GTK_IMAGE(icon), image);
        g_object_unref(image);
    }
    Place(fixed, icon, s, kAboutIcon);
    GtkWidget* title = gtk_label_new(LineFeedText(kAboutTitleText).c_str());
    gtk_label_set_xalign(GTK_LABEL(title), 0);
    gtk_label_set_yalign(GTK_LABEL(title), 0);
    Place(fixed, title, s, kAboutTitle);
    Place(fixed, Link(std::string(kAuthorMail) + "  " + kReleaseMonth, G_CALLBACK(OnMailReleased)), s, kAboutMail);
    Place(fixed, Link(kHomePage, G_CALLBACK(OnHomePageReleased)), s, kAboutHomePage);
    GtkWidget* ok = gtk_button_new_with_label("OK");
    Place(fixed, ok, s, kAboutOk);
    g_signal_connect_swapped(ok, "clicked", G_CALLBACK(gtk_widget_destroy), window);

    // Enter presses OK as the default button; Esc closes the window as its cancel button.
    gtk_widget_set_can_default(ok, TRUE);
    gtk_window_set_default(GTK_WINDOW(window), ok);
    g_signal_connect(window, "key-press-event", G_CALLBACK(+[](GtkWidget* w, GdkEventKey* key, gpointer) {
                         if (key->keyval != GDK_KEY_Escape) return gboolean{FALSE};
                         gtk_widget_destroy(w);
                         return gboolean{TRUE};
                     }),
                     nullptr);

    GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
    g_signal_connect_swapped(window, "destroy", G_CALLBACK(g_main_loop_quit), loop);
    gtk_widget_show_all(window);
    gtk_widget_grab_focus(ok);
    TakeKeyboardFocus(window);
    g_main_loop_run(loop);
    g_main_loop_unref(loop);
    gtk_window_present(owner);
}

}  // namespace mipro::linux_x11
