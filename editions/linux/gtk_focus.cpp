#include "editions/linux/gtk_focus.h"

namespace mipro::linux_x11 {

namespace {

void FocusNow(GtkWidget* window) {
    if (GdkWindow* gdkWindow = gtk_widget_get_window(window)) gdk_window_focus(gdkWindow, GDK_CURRENT_TIME);
}

gboolean OnMapped(GtkWidget* window, GdkEvent*, gpointer) {
    FocusNow(window);
    return FALSE;
}

}  // namespace

void TakeKeyboardFocus(GtkWidget* window) {
    if (!g_object_get_data(G_OBJECT(window), "mipro-takes-focus")) {
        g_object_set_data(G_OBJECT(window), "mipro-takes-focus", window);
        gtk_widget_add_events(window, GDK_STRUCTURE_MASK);
        g_signal_connect(window, "map-event", G_CALLBACK(OnMapped), nullptr);
    }
    if (gtk_widget_get_mapped(window)) FocusNow(window);
}

}  // namespace mipro::linux_x11
