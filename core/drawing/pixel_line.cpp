#include "drawing/pixel_line.h"

namespace mipro {

namespace {

constexpr std::size_t kFieldWidth = 3;
constexpr std::int32_t kValueLimit = 1'000'000'000;  // far beyond any field; keeps the sum in range

// The field at zero-based position `start`, as much of it as the line holds.
std::string_view Field(std::string_view line, std::size_t start) {
    if (start >= line.size()) return {};
    return line.substr(start, kFieldWidth);
}

}  // namespace

std::int32_t NumericValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value < kValueLimit) value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

std::string_view LeadingDigits(std::string_view component) { return component.substr(0, 2); }

std::string_view LastDigit(std::string_view component) {
    return component.empty() ? component : component.substr(component.size() - 1);
}

PixelLine ParsePixelLine(std::string_view line) {
    PixelLine p;
    p.red = std::string(Field(line, 0));
    p.green = std::string(Field(line, 3));
    p.blue = std::string(Field(line, 6));
    p.y = NumericValue(Field(line, 9));
    p.x = NumericValue(Field(line, 12));
    return p;
}

}  // namespace mipro
