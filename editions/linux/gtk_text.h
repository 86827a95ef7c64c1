// The form's texts as GTK shows them: line breaks and mnemonics.
#pragma once

#include <string>

namespace mipro::linux_x11 {

// CR LF line breaks become LF.
std::string LineFeedText(const std::string& text);

// A caption's mnemonic "&N" becomes GTK's "_N"; "&&" is a plain '&' and '_' stays a plain '_'.
std::string MnemonicText(const std::string& caption);

}  // namespace mipro::linux_x11
