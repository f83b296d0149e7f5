#include "framework/core/Application.h"

#include <algorithm>

#include "framework/core/ApplicationBundle.h"
#include "framework/core/ClassRegistry.h"

#ifndef KARVELIO_LONG_VERSION
#error "the build passes the project version as KARVELIO_LONG_VERSION"
#endif

namespace fw {

namespace {

Ref<Application>& RegisteredApplication()
{
    static Ref<Application> application;
    return application;
}

} // namespace

const ClassRecord& Application::Lookup()
{
    return RegisterClass("Application", [] {
        ClassRecord record;
        record.name = "Application";
        record.super = &Object::Lookup();
        record.factory = FactoryOf<Application>();
        return record;
    });
}

String Application::LongVersion() const
{
    return KARVELIO_LONG_VERSION;
}

Ref<FolderItem> Application::ExecutableFile() const
{
    return fw::ExecutableFile();
}

void Application::Event_OpenDocument(Ref<FolderItem>)
{
}

void Application::AddMenuHandler(const String& itemName, const Delegate<bool()>& handler)
{
    if (!handler) {
        throw NilObjectException("menu handler for \"" + itemName + "\"");
    }
    const auto found = std::find_if(m_menuHandlers.begin(), m_menuHandlers.end(),
                                    [&](const auto& entry) { return entry.first == itemName; });
    if (found != m_menuHandlers.end()) {
        found->second = handler.MethodOnly();
    } else {
        m_menuHandlers.emplace_back(itemName, handler.MethodOnly());
    }
}

std::optional<bool> Application::CallMenuHandler(const String& itemName)
{
    for (const auto& [name, method] : m_menuHandlers) {
        if (name == itemName) {
            // Hold the application while its handler runs, as a caller would,
            // and call a copy: the handler may register further handlers.
            const Ref<Object> self = weak_from_this().lock();
            const auto call = method;
            return call(this);
        }
    }
    return std::nullopt;
}

std::vector<String> Application::MenuHandlerNames() const
{
    std::vector<String> names;
    for (const auto& entry : m_menuHandlers) {
        names.push_back(entry.first);
    }
    return names;
}

void RuntimeRegisterAppObject(const Ref<Application>& application)
{
    RegisteredApplication() = application;
}

Ref<Application> GetAppObject()
{
    return RegisteredApplication();
}

} // namespace fw
