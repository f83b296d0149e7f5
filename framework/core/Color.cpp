#include "framework/core/Color.h"

#include <algorithm>

namespace fw {

namespace {

std::uint8_t Component(std::int64_t value)
{
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(value, 0, 255));
}

} // namespace

Color RGB(std::int64_t red, std::int64_t green, std::int64_t blue)
{
    return Color{Component(red), Component(green), Component(blue)};
}

} // namespace fw
