#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "framework/core/ClassRecord.h"
#include "framework/core/Ref.h"

namespace fw {

// Registers the class `name`, building its record with `build` only when no
// record of that name exists yet: a second registration does nothing and
// returns the first record. Records live for the whole run.
const ClassRecord& RegisterClass(std::string_view name, const std::function<ClassRecord()>& build);

// The record registered under `name`, full ("Window2.Window2") or short
// ("Window2"); nullptr when none is.
const ClassRecord* FindClass(std::string_view name);

// Every record, in the order the classes were registered.
std::vector<const ClassRecord*> RegisteredClasses();

// A new object of the record's class, made by its factory with no
// constructor of the program's run; nil for a class that has no factory.
// Raises RuntimeException when the factory makes an object of another class.
Ref<Object> RuntimeNewObject(const ClassRecord& record);

// Whether the object is of the record's class or a subclass; false for nil.
bool RuntimeObjectIsa(const Object* object, const ClassRecord& record);

template <class U>
bool RuntimeObjectIsa(const Ref<U>& object, const ClassRecord& record)
{
    return RuntimeObjectIsa(static_cast<const Object*>(object.get()), record);
}

// The object as a T when its class is T's or one derived from it; nil for
// nil and for an object of any other class.
template <class T, class U>
Ref<T> RuntimeCheckCast(const Ref<U>& object)
{
    if (!RuntimeObjectIsa(object, T::Lookup())) {
        return nullptr;
    }
    return std::dynamic_pointer_cast<T>(object);
}

// The factory a class record holds for a class made without arguments.
template <class T>
std::function<Ref<Object>()> FactoryOf()
{
    return [] { return std::static_pointer_cast<Object>(New<T>()); };
}

} // namespace fw
