// The colour record RGB: splits a packed colour value into its red, green and blue bytes.
#pragma once

#include <cstdint>

namespace mipro {

class RGB {
public:
    void Color(std::int32_t lColor) { color_ = lColor; }

    std::uint8_t Red() const { return static_cast<std::uint8_t>(color_ & kByte); }
    // The divisions truncate toward zero before the low byte is taken, negative values included.
    std::uint8_t Green() const { return static_cast<std::uint8_t>((color_ / kGreenUnit) & kByte); }
    std::uint8_t Blue() const { return static_cast<std::uint8_t>((color_ / kBlueUnit) & kByte); }

private:
    static constexpr std::int32_t kByte = 255;
    static constexpr std::int32_t kGreenUnit = 256;
    static constexpr std::int32_t kBlueUnit = 65536;

    std::int32_t color_ = 0;
};

}  // namespace mipro
