// The magnifier's keys and mouse buttons from the ones GDK reports.
#pragma once

#include <gdk/gdk.h>

#include "interfaces/magnifier_window.h"

namespace mipro::linux_x11 {

// The key of a key press's keyval; Other for a key the magnifier does not answer.
MagnifierKey MagnifierKeyOf(guint keyval);

// The button of a button release; Other for any button past the first three.
MouseButton MouseButtonOf(guint button);

}  // namespace mipro::linux_x11
