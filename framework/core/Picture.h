#pragma once

#include <cstdint>
#include <vector>

#include "framework/core/Object.h"

namespace fw {

// A decoded image: width by height pixels, 0xAARRGGBB, row by row.
// Transparent = 1 asks whoever draws it to leave white pixels out.
class Picture : public Object {
public:
    Picture(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }

    std::uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, std::uint32_t argb);
    const std::vector<std::uint32_t>& Pixels() const { return m_pixels; }

    int Transparent() const { return m_transparent; }
    void SetTransparent(int value) { m_transparent = value; }

private:
    int m_width;
    int m_height;
    std::vector<std::uint32_t> m_pixels;
    int m_transparent = 0;
};

} // namespace fw
