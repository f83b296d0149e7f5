#pragma once

#include <any>
#include <utility>
#include <vector>

#include "framework/core/ClassRecord.h"
#include "framework/core/Delegate.h"
#include "framework/core/MethodSignature.h"
#include "framework/core/RuntimeException.h"

namespace fw {

// The attributes the program's type information carries.
inline const ClassAttribute kPublicScope{"__Scope", "Public", true};
inline const ClassAttribute kHidden{"Hidden", "", false};

// One own method of a class: its documented name, the member function
// itself, and what its type says about it. Made with Method() below.
struct MethodEntry {
    String name;
    String signature;
    String parameterList;
    std::vector<ClassAttribute> attributes{kPublicScope};
    String event; // the framework event it handles; empty for none
    std::any method; // the member-function pointer, of its own type

    // Marks the method as the handler of a framework event ("Layout").
    MethodEntry Handles(String eventName) &&
    {
        event = std::move(eventName);
        return std::move(*this);
    }

    // Adds the valueless attribute "Hidden".
    MethodEntry Hidden() &&
    {
        attributes.push_back(kHidden);
        return std::move(*this);
    }
};

template <class M>
MethodEntry Method(String name, M method)
{
    MethodEntry entry;
    entry.name = std::move(name);
    entry.signature = SignatureCodeOf<M>();
    entry.parameterList = ParameterListOf<M>();
    entry.method = method;
    return entry;
}

// A class's one table: its registered name, its own attributes and its own
// methods in slot order. The class record is built from it, and code that
// binds a method (event hook-ups, menu handlers) binds it through here, so
// the record names exactly the methods that run. T is the class the table describes;
// Subclass<T, …> insists that T declares a table of its own.
template <class T>
class ClassTable {
public:
    ClassTable(String name, std::vector<ClassAttribute> attributes, std::vector<MethodEntry> methods)
        : m_name(std::move(name)), m_attributes(std::move(attributes)), m_methods(std::move(methods))
    {
    }

    const String& Name() const { return m_name; }
    const std::vector<MethodEntry>& Methods() const { return m_methods; }

    // The record's own part: name, attributes, operations and event table.
    // Super class and factory are the declaring template's to add.
    ClassRecord Record() const
    {
        ClassRecord record;
        record.name = m_name;
        record.attributes = m_attributes;
        for (const MethodEntry& entry : m_methods) {
            record.operations.push_back({entry.name, entry.signature, entry.attributes});
            if (!entry.event.empty()) {
                record.events.push_back({entry.event, entry.name});
            }
        }
        return record;
    }

    // The entry of `method`; raises RuntimeException naming the class when
    // its table does not list the method, so no method runs that the class
    // record does not name.
    template <class M>
    const MethodEntry& EntryFor(M method) const
    {
        for (const MethodEntry& entry : m_methods) {
            if (const M* listed = std::any_cast<M>(&entry.method); listed != nullptr && *listed == method) {
                return entry;
            }
        }
        throw RuntimeException("class " + m_name + " does not list the method taking " + ParameterListOf<M>() +
                               " that is asked for");
    }

    // `method` bound to `target` as a delegate, once the table has been found
    // to list it; raises as EntryFor does.
    template <class M, class Target>
    auto Bind(const Ref<Target>& target, M method, Hold hold) const
    {
        EntryFor(method);
        return BindMethod(target, method, hold);
    }

private:
    String m_name;
    std::vector<ClassAttribute> m_attributes;
    std::vector<MethodEntry> m_methods;
};

} // namespace fw
