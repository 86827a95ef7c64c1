// The look every window of the program shares: the form font "ＭＳ Ｐゴシック" 9 point, plain
// (with the Japanese fonts of a Linux desktop behind it), blue texts, and controls as compact as
// the form's design places them.
#pragma once

namespace mipro::linux_x11 {

// Installs the style for the whole program; call once after gtk_init.
void InstallFormStyle();

// The style class that turns a label's text blue.
constexpr const char* kBlueTextClass = "mipro-blue";

}  // namespace mipro::linux_x11
