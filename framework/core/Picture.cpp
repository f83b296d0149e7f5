#include "framework/core/Picture.h"

#include <cstddef>

namespace fw {

namespace {

int NonNegative(int value)
{
    return value < 0 ? 0 : value;
}

} // namespace

Picture::Picture(int width, int height)
    : m_width(NonNegative(width))
    , m_height(NonNegative(height))
    , m_pixels(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), 0xFFFFFFFFu)
{
}

std::uint32_t Picture::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return 0;
    }
    return m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x)];
}

void Picture::SetPixel(int x, int y, std::uint32_t argb)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return;
    }
    m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x)] = argb;
}

} // namespace fw
