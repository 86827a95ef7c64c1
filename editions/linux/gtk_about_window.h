// frmABOUT as a GTK 3 window: the program's name and icon and the author's two links.
#pragma once

#include <gtk/gtk.h>

#include <string>

namespace mipro::linux_x11 {

// Shows the window centred over `owner`, which takes no input until OK (or Enter, or Esc) closes
// it. `appTitle` is the main window's title; the design's twips become pixels as in the main window.
void ShowAboutWindow(GtkWindow* owner, const std::string& appTitle, double twipsX, double twipsY);

}  // namespace mipro::linux_x11
