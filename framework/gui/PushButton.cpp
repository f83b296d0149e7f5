#include "framework/gui/PushButton.h"

#include <QPushButton>

#include "framework/gui/EventLoop.h"
#include "framework/gui/QtText.h"

namespace fw {

const ClassRecord& PushButton::Lookup()
{
    return RegisterClass("PushButton", [] {
        ClassRecord record;
        record.name = "PushButton";
        record.super = &RectControl::Lookup();
        record.factory = FactoryOf<PushButton>();
        record.properties = {
            TextProperty("Caption", &PushButton::SetCaption),
            BooleanProperty("Default", &PushButton::SetDefault),
            BooleanProperty("Cancel", &PushButton::SetCancel),
            IntegerProperty("ButtonStyle", &PushButton::SetButtonStyle),
            TextProperty("TextFont", &TextControl::SetTextFont),
            BooleanProperty("Bold", &TextControl::SetBold),
            BooleanProperty("Italic", &TextControl::SetItalic),
            BooleanProperty("Underline", &TextControl::SetUnderline),
        };
        return record;
    });
}

PushButton::PushButton()
{
    EventLoop::RequireApplication("a PushButton");
    auto* button = new QPushButton();
    button->setAutoDefault(false);
    AdoptWidget(button);
    ApplyFont();
}

void PushButton::WidgetAttached()
{
    // Connected only now that the control is owned by a Ref: the connection
    // holds it weakly, so a click that comes after the control has gone does nothing.
    const WeakRef<PushButton> self = std::static_pointer_cast<PushButton>(shared_from_this());
    QObject::connect(ButtonWidget(), &QPushButton::clicked, ButtonWidget(), [self] {
        if (const Ref<PushButton> button = self.lock()) {
            EventLoop::Dispatch([&] { button->RaiseEvent(ControlEvent::Action); });
        }
    });
}

bool PushButton::HasEvent(std::int32_t number) const
{
    return number == ControlEvent::Action || RectControl::HasEvent(number);
}

QPushButton* PushButton::ButtonWidget() const
{
    return static_cast<QPushButton*>(Widget());
}

void PushButton::Push()
{
    if (QPushButton* button = ButtonWidget(); button != nullptr && button->parentWidget() != nullptr) {
        button->click();
    } else {
        RaiseEvent(ControlEvent::Action);
    }
}

void PushButton::SetCaption(const String& value)
{
    m_caption = value;
    if (QPushButton* button = ButtonWidget()) {
        button->setText(ToQString(value));
    }
}

void PushButton::SetDefault(bool value)
{
    m_default = value;
    if (QPushButton* button = ButtonWidget()) {
        button->setDefault(value);
    }
}

} // namespace fw
