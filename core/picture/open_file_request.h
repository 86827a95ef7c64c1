// The request handed to the file-open dialog of step 2.
#pragma once

#include <string>

#include "interfaces/dialogs.h"

namespace mipro {

// The four filters; the filter preselected from the last three letters of the previous picture's
// name (0, the first filter, before any picture was loaded); the previous picture as the starting
// place, else the platform's first browse folder (the program's own folder on Windows).
OpenFileRequest BuildOpenFileRequest(const std::string& imgFileName, const std::string& firstBrowseFolder);

}  // namespace mipro
