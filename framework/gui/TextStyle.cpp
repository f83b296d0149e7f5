#include "framework/gui/TextStyle.h"

#include <QFont>
#include <QStringList>
#include <QWidget>
#include <cmath>

#include "framework/gui/QtText.h"

namespace fw {

namespace {

// Sans-serif families with Japanese glyphs, tried in order after the one asked for.
const QStringList& FallbackFamilies()
{
    static const QStringList families{"VL PGothic", "VL Gothic", "Noto Sans CJK JP", "IPAPGothic", "Sans Serif"};
    return families;
}

constexpr double kPixelsPerInch = 72.0;
constexpr double kMillimetresPerInch = 25.4;

} // namespace

QFont TextStyle::ToFont(const QFont& base) const
{
    QFont result(base);
    QStringList families;
    if (font.empty() || font == "System" || font == "SmallSystem") {
        // The system's own font first.
        families << (base.families().isEmpty() ? QStringList{base.family()} : base.families());
    } else {
        families << ToQString(font);
    }
    families << FallbackFamilies();
    result.setFamilies(families);
    result.setStyleHint(QFont::SansSerif);
    if (size > 0.0F) {
        double pixels = size;
        if (unit == FontUnits::Inch) {
            pixels = size * kPixelsPerInch;
        } else if (unit == FontUnits::Millimeter) {
            pixels = size * kPixelsPerInch / kMillimetresPerInch;
        }
        if (unit == FontUnits::Point) {
            result.setPointSizeF(size);
        } else {
            result.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
        }
    }
    result.setBold(bold);
    result.setItalic(italic);
    result.setUnderline(underline);
    return result;
}

void TextStyle::ApplyTo(QWidget* widget) const
{
    if (widget != nullptr) {
        widget->setFont(ToFont(QFont()));
    }
}

} // namespace fw
