#pragma once

#include <cstdint>

#include "framework/core/ByteStrings.h"

class QFont;
class QWidget;

namespace fw {

// The font units a control's TextSize is given in. Default is pixels in this
// framework: the layouts were drawn for 72-dpi points, one point a pixel.
enum class FontUnits : std::uint8_t { Default = 0, Pixel = 1, Point = 2, Inch = 3, Millimeter = 4 };

// The text settings shared by buttons and labels, and the Qt font they make.
// A family that is not installed ("Osaka") falls back to the system's
// sans-serif font with Japanese glyphs.
struct TextStyle {
    String font = "System";
    float size = 0.0F; // 0: the system's size
    FontUnits unit = FontUnits::Default;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    QFont ToFont(const QFont& base) const;
    void ApplyTo(QWidget* widget) const;
};

} // namespace fw
