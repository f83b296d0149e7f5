#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "framework/core/ByteStrings.h"
#include "framework/core/Delegate.h"
#include "framework/core/FolderItem.h"
#include "framework/core/Object.h"
#include "framework/core/Ref.h"

namespace fw {

class MenuBar;

// The application object's class. A program subclasses it and implements the
// events it handles by overriding the Event_ methods; an event it does not
// override does nothing, as for an application that does not handle it.
class Application : public Object {
public:
    static const ClassRecord& Lookup();
    const ClassRecord& Class() const override { return Lookup(); }

    // The application's menu bar (stored here; the menus code shows it).
    Ref<fw::MenuBar> MenuBar() const { return m_menuBar; }
    void SetMenuBar(Ref<fw::MenuBar> menuBar) { m_menuBar = std::move(menuBar); }

    // The project version the build was made from ("1.2.0").
    String LongVersion() const;
    Ref<FolderItem> ExecutableFile() const;

    // Raised by the menu update after the framework has set every item's
    // enabled state from its AutoEnable.
    virtual void Event_EnableMenuItems() {}
    // Raised once for each document the system asks the application to open.
    virtual void Event_OpenDocument(Ref<FolderItem> item);

    // Registers the handler of the menu item named `itemName`. Only the
    // method is kept: it is called on this application object, so the
    // delegate itself may be dropped. A second handler for a name replaces
    // the first.
    void AddMenuHandler(const String& itemName, const Delegate<bool()>& handler);

    // Calls the handler registered for `itemName`: its result, or nothing
    // when no handler is registered (the menus code then does its default).
    std::optional<bool> CallMenuHandler(const String& itemName);

    // Item names with a handler, in registration order.
    std::vector<String> MenuHandlerNames() const;

private:
    Ref<fw::MenuBar> m_menuBar;
    std::vector<std::pair<String, Delegate<bool()>::Method>> m_menuHandlers;
};

// The one application object; registering another replaces it, nil clears it.
void RuntimeRegisterAppObject(const Ref<Application>& application);

// The registered application object, or nil before one is registered.
Ref<Application> GetAppObject();

} // namespace fw
