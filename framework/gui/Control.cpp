#include "framework/gui/Control.h"

#include "framework/core/RuntimeException.h"

namespace fw {

const ClassRecord& Control::Lookup()
{
    return RegisterClass("Control", [] {
        ClassRecord record;
        record.name = "Control";
        record.super = &Object::Lookup();
        record.properties = {
            TextProperty("Name", &Control::SetName),
            IntegerProperty("Index", &Control::SetIndex),
            IntegerProperty("TabPanelIndex", &Control::SetTabPanelIndex),
        };
        return record;
    });
}

bool Control::HasEvent(std::int32_t) const
{
    return false;
}

void Control::AttachEventHandler(std::int32_t number, EventHandler handler, HandlerInfo info)
{
    if (!HasEvent(number)) {
        throw RuntimeException("class " + Class().name + " has no event number " + std::to_string(number));
    }
    m_handlers[number] = Attached{std::move(handler), std::move(info)};
}

bool Control::HasEventHandler(std::int32_t number) const
{
    return m_handlers.contains(number);
}

const HandlerInfo* Control::EventHandlerInfo(std::int32_t number) const
{
    const auto found = m_handlers.find(number);
    return found == m_handlers.end() ? nullptr : &found->second.info;
}

bool Control::RaiseEvent(std::int32_t number, std::int32_t x, std::int32_t y)
{
    const auto found = m_handlers.find(number);
    if (found == m_handlers.end()) {
        return false;
    }
    // A copy: the handler may replace itself while it runs.
    const EventHandler handler = found->second.call;
    const Ref<Object> self = weak_from_this().lock();
    return handler(x, y);
}

} // namespace fw
