#pragma once

#include <cstdint>
#include <string_view>

#include "framework/core/Delegate.h"
#include "framework/core/Ref.h"
#include "framework/gui/ControlEvents.h"

namespace fw {

// One event of a control, by number, and the name of the window's method
// that handles it.
struct EventHookup {
    std::int32_t event = 0;
    std::string_view handler;
};

// Attaches the method of `window`'s class table named by the hook-up to the
// control's event, as a delegate that holds the window weakly: the control
// must not keep its window alive. The event's form (sender; sender and
// position; and whether it answers) decides the method's type; a method that
// is missing or of another form raises RuntimeException naming it.
template <class W, class C>
void HookUp(const Ref<W>& window, const Ref<C>& control, const EventHookup& hookup)
{
    const auto& table = W::Methods();
    switch (detail::FormOf(hookup.event)) {
    case detail::EventForm::Sender:
        RuntimeAddEventHandler(control, hookup.event,
                               BindMethod(window, table.template Find<void (W::*)(Ref<C>)>(hookup.handler), Hold::Weak));
        return;
    case detail::EventForm::SenderPositionAccepts:
        RuntimeAddEventHandler(
            control, hookup.event,
            BindMethod(window, table.template Find<bool (W::*)(Ref<C>, std::int32_t, std::int32_t)>(hookup.handler),
                       Hold::Weak));
        return;
    case detail::EventForm::SenderPosition:
        RuntimeAddEventHandler(
            control, hookup.event,
            BindMethod(window, table.template Find<void (W::*)(Ref<C>, std::int32_t, std::int32_t)>(hookup.handler),
                       Hold::Weak));
        return;
    }
}

} // namespace fw
