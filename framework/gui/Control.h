#pragma once

#include <cstdint>
#include <functional>
#include <map>

#include "framework/core/ByteStrings.h"
#include "framework/core/ClassRegistry.h"
#include "framework/core/Object.h"
#include "framework/core/Ref.h"

namespace fw {

class Window;

// The framework's numbers for the control events the program attaches.
namespace ControlEvent {
constexpr std::int32_t MouseEnter = 4;
constexpr std::int32_t MouseExit = 5;
constexpr std::int32_t Action = 15;
constexpr std::int32_t MouseDown = 16;
constexpr std::int32_t MouseUp = 18;
} // namespace ControlEvent

// What is known of the delegate behind a control's event handler.
struct HandlerInfo {
    String parameterList; // "( Label, Int32, Int32 ) as Boolean"
    bool weak = false;    // whether it holds its target weakly
};

// The root of the controls: a name, an array index, the window that made it,
// and the handlers attached to its events by number.
class Control : public Object {
public:
    // An attached handler, given the event's mouse coordinates (0 for events
    // without); its result matters for MouseDown only.
    using EventHandler = std::function<bool(std::int32_t x, std::int32_t y)>;

    static const ClassRecord& Lookup();
    const ClassRecord& Class() const override { return Lookup(); }

    // The framework's default control constructor: the Qt side exists from
    // creation on, so there is nothing left to do; kept for the program's
    // creation steps.
    void Constructor() {}

    const String& Name() const { return m_name; }
    void SetName(const String& value) { m_name = value; }
    std::int32_t Index() const { return m_index; }
    void SetIndex(std::int32_t value) { m_index = value; }
    std::int32_t TabPanelIndex() const { return m_tabPanelIndex; }
    void SetTabPanelIndex(std::int32_t value) { m_tabPanelIndex = value; }

    // The window the control belongs to; nil before it joins one or after
    // that window has gone.
    Ref<Window> OwnerWindow() const { return m_owner.lock(); }
    void SetOwner(const Ref<Window>& window) { m_owner = window; }

    // Whether the control's class has the event of that number.
    virtual bool HasEvent(std::int32_t number) const;
    void AttachEventHandler(std::int32_t number, EventHandler handler, HandlerInfo info = {});
    bool HasEventHandler(std::int32_t number) const;
    // Nil for an event with no handler.
    const HandlerInfo* EventHandlerInfo(std::int32_t number) const;
    // Runs the handler attached to the event; false when there is none.
    // Exceptions from the handler pass to the caller.
    bool RaiseEvent(std::int32_t number, std::int32_t x = 0, std::int32_t y = 0);

private:
    String m_name;
    std::int32_t m_index = 0;
    std::int32_t m_tabPanelIndex = 0;
    WeakRef<Window> m_owner;
    struct Attached {
        EventHandler call;
        HandlerInfo info;
    };
    std::map<std::int32_t, Attached> m_handlers;
};

} // namespace fw
