#pragma once

#include <cstdint>

#include "framework/core/Delegate.h"
#include "framework/core/NilObjectException.h"
#include "framework/core/RuntimeException.h"
#include "framework/gui/Control.h"

namespace fw {

// Attaching a delegate to a control's event by number. Each event has one
// form: Action, MouseEnter and MouseExit take the sender; MouseDown takes the
// sender and the mouse position and returns whether it takes the press;
// MouseUp takes the sender and the position. A delegate of the wrong form or
// an event the control's class lacks raises RuntimeException at attachment,
// not when the event fires. The control keeps the delegate; the sender is
// passed as the control's own class.

namespace detail {

enum class EventForm { Sender, SenderPositionAccepts, SenderPosition };

void CheckEventForm(const Control& control, std::int32_t number, EventForm form);
EventForm FormOf(std::int32_t number);

template <class Signature>
HandlerInfo InfoOf(const Delegate<Signature>& handler)
{
    return {handler.ParameterList(), handler.IsWeak()};
}

} // namespace detail

template <class C>
void RuntimeAddEventHandler(const Ref<C>& control, std::int32_t number, Delegate<void(Ref<C>)> handler)
{
    detail::CheckEventForm(Deref(control, "control"), number, detail::EventForm::Sender);
    control->AttachEventHandler(number, [sender = WeakRef<C>(control), handler](std::int32_t, std::int32_t) {
        handler(sender.lock());
        return false;
    }, detail::InfoOf(handler));
}

template <class C>
void RuntimeAddEventHandler(const Ref<C>& control, std::int32_t number,
                            Delegate<bool(Ref<C>, std::int32_t, std::int32_t)> handler)
{
    detail::CheckEventForm(Deref(control, "control"), number, detail::EventForm::SenderPositionAccepts);
    control->AttachEventHandler(number, [sender = WeakRef<C>(control), handler](std::int32_t x, std::int32_t y) {
        return handler(sender.lock(), x, y);
    }, detail::InfoOf(handler));
}

template <class C>
void RuntimeAddEventHandler(const Ref<C>& control, std::int32_t number,
                            Delegate<void(Ref<C>, std::int32_t, std::int32_t)> handler)
{
    detail::CheckEventForm(Deref(control, "control"), number, detail::EventForm::SenderPosition);
    control->AttachEventHandler(number, [sender = WeakRef<C>(control), handler](std::int32_t x, std::int32_t y) {
        handler(sender.lock(), x, y);
        return false;
    }, detail::InfoOf(handler));
}

} // namespace fw
