#include "framework/gui/TextControl.h"

namespace fw {

void TextControl::SetTextFont(const String& value)
{
    m_style.font = value;
    ApplyFont();
}

void TextControl::SetBold(bool value)
{
    m_style.bold = value;
    ApplyFont();
}

void TextControl::SetItalic(bool value)
{
    m_style.italic = value;
    ApplyFont();
}

void TextControl::SetUnderline(bool value)
{
    m_style.underline = value;
    ApplyFont();
}

void TextControl::SetTextSize(float value)
{
    m_style.size = value;
    ApplyFont();
}

void TextControl::SetTextUnit(FontUnits value)
{
    m_style.unit = value;
    ApplyFont();
}

void TextControl::ApplyFont()
{
    m_style.ApplyTo(Widget());
}

} // namespace fw
