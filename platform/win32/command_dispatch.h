// Which core handler a click on a control of frmMAIN runs.
#pragma once

#include "app/wizard.h"
#include "platform/main_window.h"

namespace mipro::win32 {

void DispatchClick(Wizard& w, ControlRef clicked);

// A mouse button released over frmMAIN itself (not over one of its controls).
void DispatchFormMouseUp(Wizard& w);

}  // namespace mipro::win32
