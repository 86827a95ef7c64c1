// The font of every window and control: "ＭＳ Ｐゴシック", 9 point, plain.
#pragma once

#include <windows.h>

namespace mipro::win32 {

// The caller owns the font (DeleteObject). Underlined for links.
HFONT CreateFormFont(bool underline = false);

// Gives the window and each of its descendants the font.
void ApplyFont(HWND window, HFONT font);

}  // namespace mipro::win32
