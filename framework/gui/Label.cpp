#include "framework/gui/Label.h"

#include <QLabel>
#include <QPalette>

#include "framework/gui/EventLoop.h"
#include "framework/gui/QtText.h"

namespace fw {

namespace {

Qt::Alignment AlignmentOf(std::int32_t textAlign)
{
    switch (textAlign) {
    case 1:
        return Qt::AlignTop | Qt::AlignHCenter;
    case 2:
        return Qt::AlignTop | Qt::AlignRight;
    default:
        return Qt::AlignTop | Qt::AlignLeft;
    }
}

} // namespace

const ClassRecord& Label::Lookup()
{
    return RegisterClass("Label", [] {
        ClassRecord record;
        record.name = "Label";
        record.super = &RectControl::Lookup();
        record.factory = FactoryOf<Label>();
        record.properties = {
            TextProperty("Text", &Label::SetText),
            IntegerProperty("TextAlign", &Label::SetTextAlign),
            ColourProperty("TextColor", &Label::SetTextColor),
            BooleanProperty("MultiLine", &Label::SetMultiLine),
            BooleanProperty("Selectable", &Label::SetSelectable),
            BooleanProperty("Transparent", &Label::SetTransparent),
            TextProperty("TextFont", &TextControl::SetTextFont),
            BooleanProperty("Bold", &TextControl::SetBold),
            BooleanProperty("Italic", &TextControl::SetItalic),
            BooleanProperty("Underline", &TextControl::SetUnderline),
            TextProperty("DataSource", &Label::SetDataSource),
            TextProperty("DataField", &Label::SetDataField),
        };
        return record;
    });
}

Label::Label()
{
    EventLoop::RequireApplication("a Label");
    auto* label = new QLabel();
    label->setAlignment(AlignmentOf(m_textAlign));
    label->setTextFormat(Qt::PlainText);
    AdoptWidget(label);
    SetTextColor(m_textColor);
    ApplyFont();
}

QLabel* Label::LabelWidget() const
{
    return static_cast<QLabel*>(Widget());
}

void Label::ApplyFocusPolicy()
{
    if (Widget() != nullptr) {
        Widget()->setFocusPolicy(Qt::NoFocus);
    }
}

void Label::SetText(const String& value)
{
    m_text = value;
    if (QLabel* label = LabelWidget()) {
        label->setText(ToQString(value));
    }
}

void Label::SetTextAlign(std::int32_t value)
{
    m_textAlign = value;
    if (QLabel* label = LabelWidget()) {
        label->setAlignment(AlignmentOf(value));
    }
}

void Label::SetTextColor(Color value)
{
    m_textColor = value;
    if (QLabel* label = LabelWidget()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(value.red, value.green, value.blue));
        label->setPalette(palette);
    }
}

void Label::SetMultiLine(bool value)
{
    m_multiLine = value;
    if (QLabel* label = LabelWidget()) {
        label->setWordWrap(value);
    }
}

void Label::SetSelectable(bool value)
{
    m_selectable = value;
    if (QLabel* label = LabelWidget()) {
        label->setTextInteractionFlags(value ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
    }
}

} // namespace fw
