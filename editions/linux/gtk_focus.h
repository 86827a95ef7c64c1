// The keyboard for the program's windows. A window the program puts in front of the user (a
// question, the magnifier, the file chooser) takes the keyboard as soon as it is on the screen,
// whenever the user last touched the program: a focus request dated with the program's last event
// would lose to the browser the user has clicked since.
#pragma once

#include <gtk/gtk.h>

namespace mipro::linux_x11 {

// Gives the window the keyboard now if it is on the screen, and each time it is shown.
void TakeKeyboardFocus(GtkWidget* window);

}  // namespace mipro::linux_x11
