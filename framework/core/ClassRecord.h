#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "framework/core/ByteStrings.h"
#include "framework/core/PropertyInfo.h"
#include "framework/core/Ref.h"

namespace fw {

// An attribute of a class or an operation. "Hidden" has no value: hasValue
// tells it apart from an attribute whose value is the empty text.
struct ClassAttribute {
    String name;
    String value;
    bool hasValue = false;

    friend bool operator==(const ClassAttribute&, const ClassAttribute&) = default;
};

// One operation of the class's own, with its signature code ("%b%o<Label>i4i4").
struct OperationInfo {
    String name;
    String signature;
    std::vector<ClassAttribute> attributes;
};

// A framework event ("Layout", "Open", "EnableMenuItems") and the method that
// handles it.
struct EventTableEntry {
    String event;
    String handler;
};

// Everything the framework knows about a class, as plain data: built once,
// then only read.
struct ClassRecord {
    String name;                              // registered name: "Window2.Window2", "Class1"
    const ClassRecord* super = nullptr;
    std::vector<OperationInfo> operations;    // own operations, slot order
    std::vector<ClassAttribute> attributes;   // the class's own attributes
    std::vector<EventTableEntry> events;      // events this class handles
    std::vector<PropertyInfo> properties;     // own properties, by name
    std::function<Ref<Object>()> factory;     // empty for classes that cannot be made by record

    // The last dot-separated part: "Window2" for "Window2.Window2".
    String ShortName() const;

    // Every operation in slot order: the super class's first, then this class's.
    std::vector<const OperationInfo*> VirtualTable() const;

    // True for this class and for every class that derives from it.
    bool IsA(const ClassRecord& other) const;

    // Case-insensitive search among this class's properties and then its
    // ancestors'; nullptr when none bears the name.
    const PropertyInfo* FindProperty(std::string_view propertyName) const;

    const EventTableEntry* FindEvent(std::string_view event) const;
};

} // namespace fw
