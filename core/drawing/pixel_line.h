// One line of the sorted pixel list: red, green and blue as 3-character strings, then y and x.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mipro {

struct PixelLine {
    std::string red, green, blue;
    std::int32_t y = 0;
    std::int32_t x = 0;
};

// The number that a text starts with: leading blanks and tabs skipped, an optional sign, then
// decimal digits up to the first other character. No digits gives 0, so an empty field counts as 0.
std::int32_t NumericValue(std::string_view text);

// The first two characters of a component string (its tens) and its last character (its ones).
std::string_view LeadingDigits(std::string_view component);
std::string_view LastDigit(std::string_view component);

// Takes the fields at their fixed character positions; a short line yields empty fields, which
// count as 0, and characters after the 15th are ignored.
PixelLine ParsePixelLine(std::string_view line);

}  // namespace mipro
