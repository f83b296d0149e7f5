#pragma once

#include <cstdint>

namespace fw {

// A 24-bit colour: what a property blob's three colour bytes hold.
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Color&, const Color&) = default;
};

// Components outside 0..255 are clamped, so a slip in a caller never wraps
// round to an unrelated colour.
Color RGB(std::int64_t red, std::int64_t green, std::int64_t blue);

} // namespace fw
