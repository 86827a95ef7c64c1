#include "editions/linux/gtk_message_icon.h"

#include <cmath>

#include "interfaces/dialogs.h"

namespace mipro::linux_x11 {

namespace {

constexpr int kIconMask = 0x70;
constexpr int kIconPx = 48;
constexpr double kGlyphShare = 0.7;

struct Sign {
    const char* themeIcon;
    const char* glyph;
    GdkRGBA colour;
};

constexpr Sign kQuestion{"dialog-question", "?", {0.16, 0.40, 0.80, 1}};
constexpr Sign kExclamation{"dialog-warning", "!", {0.93, 0.68, 0.05, 1}};
constexpr Sign kInformation{"dialog-information", "i", {0.16, 0.40, 0.80, 1}};

const Sign* SignOf(int style) {
    switch (style & kIconMask) {
        case MsgBox::Question: return &kQuestion;
        case MsgBox::Exclamation: return &kExclamation;
        case MsgBox::Information: return &kInformation;
        default: return nullptr;
    }
}

// A filled disc with the sign's glyph in white, for a desktop without an icon theme.
gboolean DrawSign(GtkWidget*, cairo_t* cr, gpointer data) {
    const auto* sign = static_cast<const Sign*>(data);
    const double half = kIconPx / 2.0;
    cairo_arc(cr, half, half, half - 1, 0, 2 * M_PI);
    gdk_cairo_set_source_rgba(cr, &sign->colour);
    cairo_fill(cr);

    cairo_select_font_face(cr, "Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, kIconPx * kGlyphShare);
    cairo_text_extents_t extents{};
    cairo_text_extents(cr, sign->glyph, &extents);
    cairo_move_to(cr, half - extents.width / 2 - extents.x_bearing, half - extents.height / 2 - extents.y_bearing);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_show_text(cr, sign->glyph);
    return TRUE;
}

}  // namespace

GtkWidget* MessageIcon(int style) {
    const Sign* sign = SignOf(style);
    if (!sign) return nullptr;
    if (gtk_icon_theme_has_icon(gtk_icon_theme_get_default(), sign->themeIcon)) {
        GtkWidget* image = gtk_image_new_from_icon_name(sign->themeIcon, GTK_ICON_SIZE_DIALOG);
        gtk_widget_set_name(image, sign->themeIcon);
        return image;
    }
    GtkWidget* drawn = gtk_drawing_area_new();
    gtk_widget_set_size_request(drawn, kIconPx, kIconPx);
    gtk_widget_set_name(drawn, sign->themeIcon);
    g_signal_connect(drawn, "draw", G_CALLBACK(DrawSign), const_cast<Sign*>(sign));
    return drawn;
}

}  // namespace mipro::linux_x11
