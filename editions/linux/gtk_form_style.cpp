#include "editions/linux/gtk_form_style.h"

#include <gtk/gtk.h>

namespace mipro::linux_x11 {

namespace {

// The font of the design first; the Japanese fonts Debian installs take its place when it is missing.
constexpr const char* kStyle =
    "* { font-family: \"ＭＳ Ｐゴシック\", \"MS PGothic\", \"IPAPGothic\", \"IPA Pゴシック\", "
    "\"Noto Sans CJK JP\", sans-serif; font-size: 9pt; font-weight: normal; font-style: normal; }\n"
    // The design gives every control its size: paddings and minimum heights must not grow them.
    "button, entry, checkbutton, radiobutton { padding: 0 2px; min-height: 0; min-width: 0; }\n"
    "button { padding: 0 6px; }\n"
    "entry { padding: 0 3px; }\n"
    "check, radio { min-width: 13px; min-height: 13px; margin: 0 4px 0 0; }\n"
    ".mipro-blue { color: #0000ff; }\n";

}  // namespace

void InstallFormStyle() {
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, kStyle, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
}

}  // namespace mipro::linux_x11
