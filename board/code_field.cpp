#include "board/code_field.h"

#include <cctype>
#include <string_view>

namespace mipro::board {
namespace {

constexpr char kCodeMark = '#';
constexpr std::size_t kHexDigits = 6;
constexpr char32_t kFirstPrintable = U' ';
constexpr char32_t kLastPrintable = U'~';

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
    return -1;
}

std::string HexByte(int value) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    return {kDigits[value >> 4], kDigits[value & 0xF]};
}

}  // namespace

std::string CodeOf(Colour c) { return kCodeMark + HexByte(RedOf(c)) + HexByte(GreenOf(c)) + HexByte(BlueOf(c)); }

std::optional<Colour> ColourOfCode(const std::string& text) {
    const std::string_view digits = !text.empty() && text[0] == kCodeMark ? std::string_view(text).substr(1) : text;
    if (digits.size() != kHexDigits) return std::nullopt;
    int components[3] = {};
    for (std::size_t i = 0; i < kHexDigits; ++i) {
        const int v = HexValue(digits[i]);
        if (v < 0) return std::nullopt;
        components[i / 2] = components[i / 2] * 16 + v;
    }
    return Rgb(components[0], components[1], components[2]);
}

void CodeField::focusAtEnd() {
    focused_ = true;
    selected_ = false;
}

void CodeField::openWith(const std::string& text) {
    text_ = text;
    focused_ = true;
    selected_ = true;
}

void CodeField::showUnfocused(const std::string& text) {
    text_ = text;
    blur();
}

void CodeField::blur() {
    focused_ = false;
    selected_ = false;
}

void CodeField::selectAll() { selected_ = focused_; }

bool CodeField::type(char32_t c) {
    if (c < kFirstPrintable || c > kLastPrintable) return false;
    clearSelection();
    if (text_.size() >= kMaxLength) return false;
    text_ += static_cast<char>(c);
    return true;
}

bool CodeField::backspace() {
    if (clearSelection()) return true;
    if (text_.empty()) return false;
    text_.pop_back();
    return true;
}

bool CodeField::deleteForward() { return clearSelection(); }

bool CodeField::clearSelection() {
    if (!selected_) return false;
    selected_ = false;
    const bool hadText = !text_.empty();
    text_.clear();
    return hadText;
}

}  // namespace mipro::board
