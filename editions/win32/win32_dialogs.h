// Message boxes and the file-open dialog.
#pragma once

#include "interfaces/dialogs.h"

namespace mipro::win32 {

class Win32Dialogs : public Dialogs {
public:
    int messageBox(const std::string& text, int style, const std::string& title) override;
    std::optional<std::string> openFile(const OpenFileRequest& request) override;
};

}  // namespace mipro::win32
