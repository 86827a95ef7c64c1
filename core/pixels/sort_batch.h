// The batch file that sorts the pixel list through the command shell, and the wait for it.
#pragma once

#include <string>
#include <vector>

#include "pixels/status_blink.h"
#include "wizard/wizard.h"

namespace mipro {

// A path as one argument of a batch line: in quotation marks, so blanks and '&' stay part of
// it, and with every '%' doubled, so the shell does not read it as a variable.
std::string BatchArgument(const std::string& path);

// The three lines: delete the marker, sort the list into the sorted file, create the marker.
std::vector<std::string> SortBatchLines(const std::string& doneFile, const std::string& pixFile,
                                        const std::string& sortFile);

enum class SortOutcome { Sorted, ShellNotStarted, NoResult };

// Writes BatFile, removes the marker, runs the batch hidden and waits until the marker is back,
// blinking the status and letting events run. The wait ends early when the batch process has
// ended without bringing the marker back, and after five minutes; the result counts only when
// SortFile holds PixCount lines.
SortOutcome RunSortBatch(Wizard& w, StatusBlink& blink);

}  // namespace mipro
