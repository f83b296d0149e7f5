#pragma once

#include <cstdint>
#include <type_traits>

#include "framework/core/ByteStrings.h"
#include "framework/core/Ref.h"

namespace fw {

// What the framework's type information says about a method, read off its
// C++ type so that it cannot drift from the method itself:
//   the signature code     "%b%o<Label>i4i4"  (result, then the arguments)
//   the parameter-list text "( Label, Int32, Int32 ) as Boolean"
// A type without a code below does not compile, rather than being described
// wrongly.
template <class T>
struct TypeDescription;

template <>
struct TypeDescription<void> {
    static String Code() { return ""; }
    static String Readable() { return ""; }
};

template <>
struct TypeDescription<bool> {
    static String Code() { return "b"; }
    static String Readable() { return "Boolean"; }
};

template <>
struct TypeDescription<std::int32_t> {
    static String Code() { return "i4"; }
    static String Readable() { return "Int32"; }
};

template <>
struct TypeDescription<String> {
    static String Code() { return "s"; }
    static String Readable() { return "String"; }
};

// An object argument or result is named by its class record.
template <class T>
struct TypeDescription<Ref<T>> {
    static String Code() { return "o<" + T::Lookup().name + ">"; }
    static String Readable() { return T::Lookup().name; }
};

template <class T>
using Described = TypeDescription<std::remove_cvref_t<T>>;

// The parts of a member-function type.
template <class M>
struct MethodTraits;

template <class C, class R, class... A>
struct MethodTraits<R (C::*)(A...)> {
    using Class = C;
    using Result = R;
    using Function = R(A...);
};

template <class C, class R, class... A>
struct MethodTraits<R (C::*)(A...) const> : MethodTraits<R (C::*)(A...)> {
};

namespace detail {

template <class R, class... A>
String SignatureCode(R (*)(A...))
{
    return "%" + Described<R>::Code() + "%" + (String() + ... + Described<A>::Code());
}

template <class R, class... A>
String ParameterList(R (*)(A...))
{
    String list;
    ((list += (list.empty() ? "" : ", ") + Described<A>::Readable()), ...);
    String text = "( " + list + " )";
    if constexpr (!std::is_void_v<R>) {
        text += " as " + Described<R>::Readable();
    }
    return text;
}

} // namespace detail

template <class M>
String SignatureCodeOf()
{
    using Function = typename MethodTraits<M>::Function;
    return detail::SignatureCode(static_cast<Function*>(nullptr));
}

template <class M>
String ParameterListOf()
{
    using Function = typename MethodTraits<M>::Function;
    return detail::ParameterList(static_cast<Function*>(nullptr));
}

// The parameter-list text of a function without an object, R(A...): "(  )"
// for the start-up callback.
template <class F>
String FunctionParameterListOf()
{
    return detail::ParameterList(static_cast<F*>(nullptr));
}

} // namespace fw
