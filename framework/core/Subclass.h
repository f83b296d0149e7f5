#pragma once

#include <type_traits>

#include "framework/core/ClassRegistry.h"
#include "framework/core/ClassTable.h"

namespace fw {

// How a program class declares itself to the framework:
//
//   class Window1 : public fw::Subclass<Window1, fw::Window> {
//   public:
//       static fw::ClassTable<Window1> Table();
//       …
//   };
//
// gives Window1 its class record (built once from the table, with Base's
// record as its super class), the Class() that casts and blobs use, and the
// factory RuntimeNewObject makes it with. A class that forgets its Table()
// does not compile, rather than passing as its parent.
//
// A table must not name its own class in a signature (a method taking a
// Ref<Window1>): describing it would need the record being built.
template <class Derived, class Base>
class Subclass : public Base {
public:
    using Base::Base;
    using Base::Lookup; // overloads such as MenuItem's lookup of an item by name

    static const ClassRecord& Lookup()
    {
        static const ClassRecord& record = RegisterClass(Methods().Name(), [] {
            ClassRecord built = Methods().Record();
            built.super = &Base::Lookup();
            built.factory = FactoryOf<Derived>();
            return built;
        });
        return record;
    }

    const ClassRecord& Class() const override { return Lookup(); }

    // The table, built once.
    static const ClassTable<Derived>& Methods()
    {
        static_assert(std::is_same_v<decltype(Derived::Table()), ClassTable<Derived>>,
                      "a program class declares its own table: static fw::ClassTable<Self> Table()");
        static const ClassTable<Derived> table = Derived::Table();
        return table;
    }
};

} // namespace fw
