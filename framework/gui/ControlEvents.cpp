#include "framework/gui/ControlEvents.h"

#include <string>

namespace fw::detail {

EventForm FormOf(std::int32_t number)
{
    switch (number) {
    case ControlEvent::MouseDown:
        return EventForm::SenderPositionAccepts;
    case ControlEvent::MouseUp:
        return EventForm::SenderPosition;
    default:
        return EventForm::Sender;
    }
}

namespace {

std::string Describe(EventForm form, const std::string& sender)
{
    switch (form) {
    case EventForm::Sender:
        return "( " + sender + " )";
    case EventForm::SenderPositionAccepts:
        return "( " + sender + ", Int32, Int32 ) as Boolean";
    case EventForm::SenderPosition:
        return "( " + sender + ", Int32, Int32 )";
    }
    return "?";
}

} // namespace

void CheckEventForm(const Control& control, std::int32_t number, EventForm form)
{
    const std::string className = control.Class().name;
    if (!control.HasEvent(number)) {
        throw RuntimeException("class " + className + " has no event number " + std::to_string(number));
    }
    if (FormOf(number) != form) {
        throw RuntimeException("event " + std::to_string(number) + " of " + className + " takes a handler " +
                               Describe(FormOf(number), className) + ", not " + Describe(form, className));
    }
}

} // namespace fw::detail
