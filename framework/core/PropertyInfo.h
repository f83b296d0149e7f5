#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <variant>

#include "framework/core/ByteStrings.h"
#include "framework/core/Color.h"
#include "framework/core/Object.h"
#include "framework/core/RuntimeException.h"

namespace fw {

// The four types a property blob can carry; the blob itself names no type,
// so the reader learns it from here.
enum class PropertyType { Integer, Boolean, Colour, Text };

using PropertyValue = std::variant<std::int32_t, bool, Color, String>;
using PropertySetter = std::function<void(Object&, const PropertyValue&)>;

// A property registered by name next to its setter.
struct PropertyInfo {
    String name;
    PropertyType type = PropertyType::Integer;
    PropertySetter setter;
};

const char* PropertyTypeName(PropertyType type);

namespace detail {

template <class T>
T& PropertyOwner(Object& object, const String& property)
{
    auto* owner = dynamic_cast<T*>(&object);
    if (owner == nullptr) {
        throw RuntimeException("property " + property + " set on an object of another class");
    }
    return *owner;
}

template <class T, class Value, class Setter>
PropertyInfo MakeProperty(String name, PropertyType type, Setter setter)
{
    PropertyInfo info{name, type, {}};
    info.setter = [name, setter](Object& object, const PropertyValue& value) {
        (PropertyOwner<T>(object, name).*setter)(std::get<Value>(value));
    };
    return info;
}

} // namespace detail

template <class T>
PropertyInfo IntegerProperty(String name, void (T::*setter)(std::int32_t))
{
    return detail::MakeProperty<T, std::int32_t>(std::move(name), PropertyType::Integer, setter);
}

template <class T>
PropertyInfo BooleanProperty(String name, void (T::*setter)(bool))
{
    return detail::MakeProperty<T, bool>(std::move(name), PropertyType::Boolean, setter);
}

template <class T>
PropertyInfo ColourProperty(String name, void (T::*setter)(Color))
{
    return detail::MakeProperty<T, Color>(std::move(name), PropertyType::Colour, setter);
}

template <class T>
PropertyInfo TextProperty(String name, void (T::*setter)(const String&))
{
    return detail::MakeProperty<T, String>(std::move(name), PropertyType::Text, setter);
}

} // namespace fw
