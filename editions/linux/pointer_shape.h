// The pointer shape over the program's own windows. An X client cannot set the pointer's shape
// for the whole screen; the shape the core asks for (the hourglass while it works, the four
// arrows while the user aims) is given to every top-level window of the program instead, and
// each window shows it until the shape is set back to the default.
#pragma once

#include <gtk/gtk.h>

#include "interfaces/pointer.h"

namespace mipro::linux_x11 {

// Keeps the shape and gives it to every realised top-level GTK window of the program.
void SetProgramPointerShape(PointerShape shape);

// Gives one top-level window the shape now set. Windows made while a shape is set call it from
// their "realize" handler, so they show it too.
void ApplyPointerShape(GtkWidget* toplevel);

}  // namespace mipro::linux_x11
