#include "framework/core/ClassRegistry.h"

#include <deque>
#include <map>
#include <string>

#include "framework/core/RuntimeException.h"

namespace fw {

namespace {

struct Registry {
    std::deque<ClassRecord> records; // a deque keeps references stable as it grows
    std::map<std::string, const ClassRecord*, std::less<>> byName;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

} // namespace

const ClassRecord& RegisterClass(std::string_view name, const std::function<ClassRecord()>& build)
{
    Registry& registry = TheRegistry();
    if (const auto found = registry.byName.find(name); found != registry.byName.end()) {
        return *found->second;
    }
    ClassRecord record = build();
    if (record.name != name) {
        throw RuntimeException("class record built for \"" + std::string(name) + "\" is named \"" + record.name + "\"");
    }
    // The super class's own registration may have registered this name while
    // `build` ran (a class that looks itself up); the first record stands.
    if (const auto found = registry.byName.find(name); found != registry.byName.end()) {
        return *found->second;
    }
    const ClassRecord& stored = registry.records.emplace_back(std::move(record));
    registry.byName.emplace(stored.name, &stored);
    return stored;
}

const ClassRecord* FindClass(std::string_view name)
{
    const Registry& registry = TheRegistry();
    if (const auto found = registry.byName.find(name); found != registry.byName.end()) {
        return found->second;
    }
    for (const ClassRecord& record : registry.records) {
        if (record.ShortName() == name) {
            return &record;
        }
    }
    return nullptr;
}

std::vector<const ClassRecord*> RegisteredClasses()
{
    std::vector<const ClassRecord*> all;
    for (const ClassRecord& record : TheRegistry().records) {
        all.push_back(&record);
    }
    return all;
}

Ref<Object> RuntimeNewObject(const ClassRecord& record)
{
    if (!record.factory) {
        return nullptr;
    }
    Ref<Object> made = record.factory();
    // A factory inherited from the parent's record would make a parent: say
    // so here rather than let casts to the class fail later without a word.
    if (made && &made->Class() != &record) {
        throw RuntimeException("the factory of class " + record.name + " made an object of class " +
                               made->Class().name);
    }
    return made;
}

bool RuntimeObjectIsa(const Object* object, const ClassRecord& record)
{
    return object != nullptr && object->Class().IsA(record);
}

} // namespace fw
