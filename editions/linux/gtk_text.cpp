#include "editions/linux/gtk_text.h"

namespace mipro::linux_x11 {

std::string LineFeedText(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

std::string MnemonicText(const std::string& caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const char c = caption[i];
        if (c == '_') {
            out += "__";
        } else if (c == '&' && i + 1 < caption.size() && caption[i + 1] == '&') {
            out += '&';
            ++i;
        } else if (c == '&') {
            out += '_';
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace mipro::linux_x11
