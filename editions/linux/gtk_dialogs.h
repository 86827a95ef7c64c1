// Message boxes and the file-open dialog as GTK 3 dialogs.
#pragma once

#include "interfaces/dialogs.h"

namespace mipro::linux_x11 {

class GtkDialogs : public Dialogs {
public:
    // The box belongs to the window the user is working in, so it stays in front of it. Its first
    // button is the default, as on Windows, so Enter answers Yes or OK. The style's icon shows left
    // of the text; a Yes/No box is answered by its buttons alone (Esc and the close box do nothing).
    int messageBox(const std::string& text, int style, const std::string& title) override;
    // The filters as given (patterns match either letter case); the starting place is the file
    // named, selected in its folder, or the folder named.
    std::optional<std::string> openFile(const OpenFileRequest& request) override;
};

}  // namespace mipro::linux_x11
