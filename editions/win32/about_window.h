// frmABOUT: the modal version window with the program's name and the author's two links.
#pragma once

#include <windows.h>

#include <string>

namespace mipro::win32 {

// Shows the window centred over `owner`, which stays disabled until OK (or Enter, or Esc)
// closes it. `appTitle` is the main window's title.
void ShowAboutWindow(HINSTANCE instance, HWND owner, const std::string& appTitle);

}  // namespace mipro::win32
