#pragma once

#include <cstdint>

#include "framework/core/Color.h"
#include "framework/gui/TextControl.h"

class QLabel;

namespace fw {

// A static text. TextAlign: 0 left, 1 centre, 2 right (text at the top).
// MultiLine wraps, Selectable lets the mouse select the text. Transparent,
// DataSource and DataField are kept as given: a label always draws on its
// window's background here.
class Label : public TextControl {
public:
    Label();

    static const ClassRecord& Lookup();
    const ClassRecord& Class() const override { return Lookup(); }

    const String& Text() const { return m_text; }
    void SetText(const String& value);
    std::int32_t TextAlign() const { return m_textAlign; }
    void SetTextAlign(std::int32_t value);
    Color TextColor() const { return m_textColor; }
    void SetTextColor(Color value);
    bool MultiLine() const { return m_multiLine; }
    void SetMultiLine(bool value);
    bool Selectable() const { return m_selectable; }
    void SetSelectable(bool value);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool value) { m_transparent = value; }
    const String& DataSource() const { return m_dataSource; }
    void SetDataSource(const String& value) { m_dataSource = value; }
    const String& DataField() const { return m_dataField; }
    void SetDataField(const String& value) { m_dataField = value; }


    QLabel* LabelWidget() const;

protected:
    void ApplyFocusPolicy() override;

private:
    String m_text;
    std::int32_t m_textAlign = 0;
    Color m_textColor{0, 0, 0};
    bool m_multiLine = false;
    bool m_selectable = false;
    bool m_transparent = false;
    String m_dataSource;
    String m_dataField;
};

} // namespace fw
