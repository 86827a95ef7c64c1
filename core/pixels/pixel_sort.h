// The sort of the pixel list by the system's sort, and the wait for it.
#pragma once

#include "pixels/status_blink.h"
#include "wizard/wizard.h"

namespace mipro {

enum class SortOutcome { Sorted, ShellNotStarted, NoResult };

// Starts the sort of PixFile into SortFile and waits until it has ended, blinking the status and
// letting events run. A sort still running after five minutes is stopped; the result counts only
// when the sort succeeded and SortFile holds PixCount lines.
SortOutcome SortPixelList(Wizard& w, StatusBlink& blink);

}  // namespace mipro
