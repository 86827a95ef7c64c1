// The child windows of frmMAIN, built from the form's design: the seven borderless step pages
// and every control at its design geometry (twips converted with the display's twips per pixel).
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <utility>

#include "interfaces/main_window.h"
#include "editions/win32/picture_control.h"

namespace mipro::win32 {

class FormControls {
public:
    static void RegisterPageClass(HINSTANCE instance);

    // Creates every control of the design as a child of `form` or of its page; false when one
    // could not be made.
    bool build(HWND form, HINSTANCE instance);

    // The control's window; null for a control the form does not have.
    HWND window(ControlRef c) const;
    // The picture control behind an image, line or thumbnail box; null for other controls.
    PictureControl* picture(ControlRef c) const;

private:
    using Key = std::pair<int, int>;
    static Key KeyOf(ControlRef c) { return {static_cast<int>(c.id), c.index}; }

    std::map<Key, HWND> windows_;
    std::map<Key, std::unique_ptr<PictureControl>> pictures_;
};

}  // namespace mipro::win32
