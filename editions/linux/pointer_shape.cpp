#include "editions/linux/pointer_shape.h"

#include <array>

namespace mipro::linux_x11 {

namespace {

PointerShape g_shape = PointerShape::Default;

// Cursor names by preference: the theme's CSS names first, then the X core cursor font's, which
// every X server has.
constexpr std::array<const char*, 2> kHourglassNames = {"wait", "watch"};
constexpr std::array<const char*, 3> kSizeAllNames = {"move", "all-scroll", "fleur"};

template <std::size_t N>
GdkCursor* FirstCursor(GdkDisplay* display, const std::array<const char*, N>& names) {
    for (const char* name : names) {
        if (GdkCursor* cursor = gdk_cursor_new_from_name(display, name)) return cursor;
    }
    return nullptr;
}

// A new reference, or null for the window's own (default) cursor.
GdkCursor* CursorFor(GdkDisplay* display, PointerShape shape) {
    switch (shape) {
        case PointerShape::Hourglass:
            return FirstCursor(display, kHourglassNames);
        case PointerShape::SizeAll:
            return FirstCursor(display, kSizeAllNames);
        case PointerShape::Default:
            break;
    }
    return nullptr;
}

}  // namespace

void SetProgramPointerShape(PointerShape shape) {
    g_shape = shape;
    GList* toplevels = gtk_window_list_toplevels();
    for (GList* item = toplevels; item; item = item->next) ApplyPointerShape(GTK_WIDGET(item->data));
    g_list_free(toplevels);
}

// The cursor goes to the server with the next flush, which the core's next pass through the
// pending events would bring; it is flushed here so the shape shows before a long task.
void ApplyPointerShape(GtkWidget* toplevel) {
    GdkWindow* window = gtk_widget_get_window(toplevel);
    if (!window) return;
    GdkDisplay* display = gdk_window_get_display(window);
    GdkCursor* cursor = CursorFor(display, g_shape);
    gdk_window_set_cursor(window, cursor);
    if (cursor) g_object_unref(cursor);
    gdk_display_flush(display);
}

}  // namespace mipro::linux_x11
