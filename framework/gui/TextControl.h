#pragma once

#include "framework/gui/RectControl.h"
#include "framework/gui/TextStyle.h"

namespace fw {

// The text settings that buttons and labels share: font, size and unit, bold,
// italic and underline, applied to the control's widget whenever one changes.
// (A C++ base only: each class still declares these properties in its own
// class record.)
class TextControl : public RectControl {
public:
    const String& TextFont() const { return m_style.font; }
    void SetTextFont(const String& value);
    bool Bold() const { return m_style.bold; }
    void SetBold(bool value);
    bool Italic() const { return m_style.italic; }
    void SetItalic(bool value);
    bool Underline() const { return m_style.underline; }
    void SetUnderline(bool value);
    float TextSize() const { return m_style.size; }
    void SetTextSize(float value);
    FontUnits TextUnit() const { return m_style.unit; }
    void SetTextUnit(FontUnits value);

protected:
    void ApplyFont();

private:
    TextStyle m_style;
};

} // namespace fw
