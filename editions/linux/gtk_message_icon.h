// The picture at the left of a message box: a question mark, an exclamation mark or an "i", as the
// box's style asks. GTK 3 no longer shows one by itself.
#pragma once

#include <gtk/gtk.h>

namespace mipro::linux_x11 {

// The desktop's icon ("dialog-question", "dialog-warning", "dialog-information") when its icon
// theme has one, else a drawn sign of the same meaning; null for a style with no icon.
GtkWidget* MessageIcon(int style);

}  // namespace mipro::linux_x11
