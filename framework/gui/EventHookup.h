#pragma once

#include <any>
#include <cstdint>
#include <string>

#include "framework/core/ClassTable.h"
#include "framework/core/Ref.h"
#include "framework/gui/ControlEvents.h"

namespace fw {

// One event of a control, by number, and the window's method that handles
// it: {Action, &Window1::PushButton2_Action}. The method is named once, as a
// member pointer, so a misspelt handler does not compile.
struct EventHookup {
    template <class M>
    EventHookup(std::int32_t eventNumber, M handler)
        : event(eventNumber)
        , method(handler)
        , parameterList(&ParameterListOf<M>)
    {
    }

    std::int32_t event;
    std::any method;           // the member-function pointer, of its own type
    String (*parameterList)(); // what the method takes, for a message only
};

namespace detail {

// Binds the hook-up's method, which must be of form M, through the window's
// class table, weakly: the control must not keep its window alive.
template <class M, class W, class C>
void AttachHandler(const Ref<W>& window, const Ref<C>& control, const EventHookup& hookup)
{
    const M* method = std::any_cast<M>(&hookup.method);
    if (method == nullptr) {
        throw RuntimeException("the handler of event " + std::to_string(hookup.event) + " of control " +
                               Deref(control, "control").Name() + " takes " + hookup.parameterList() + ", not " +
                               ParameterListOf<M>());
    }
    RuntimeAddEventHandler(control, hookup.event, W::Methods().Bind(window, *method, Hold::Weak));
}

} // namespace detail

// Attaches the hook-up's method to the control's event, as a delegate that
// holds the window weakly, with the parameter-list text of the method's entry
// in the window's class table. The event's form (sender; sender and position;
// and whether it answers) decides the method's type; a method of another
// form, or one the table does not list, raises RuntimeException naming it.
template <class W, class C>
void HookUp(const Ref<W>& window, const Ref<C>& control, const EventHookup& hookup)
{
    switch (detail::FormOf(hookup.event)) {
    case detail::EventForm::Sender:
        detail::AttachHandler<void (W::*)(Ref<C>)>(window, control, hookup);
        return;
    case detail::EventForm::SenderPositionAccepts:
        detail::AttachHandler<bool (W::*)(Ref<C>, std::int32_t, std::int32_t)>(window, control, hookup);
        return;
    case detail::EventForm::SenderPosition:
        detail::AttachHandler<void (W::*)(Ref<C>, std::int32_t, std::int32_t)>(window, control, hookup);
        return;
    }
}

} // namespace fw
