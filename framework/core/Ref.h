#pragma once

#include <memory>
#include <utility>

#include "framework/core/NilObjectException.h"

namespace fw {

// Framework objects are shared: a Ref is one counted reference, a WeakRef one
// that does not keep the object alive (delegates that point back at windows).
template <class T>
using Ref = std::shared_ptr<T>;

template <class T>
using WeakRef = std::weak_ptr<T>;

template <class T, class... Args>
Ref<T> New(Args&&... args)
{
    return std::make_shared<T>(std::forward<Args>(args)...);
}

// Using a nil reference raises NilObjectException instead of crashing; `what`
// says which object was missing, so the report names it.
template <class T>
T& Deref(const Ref<T>& ref, const char* what = "object")
{
    if (!ref) {
        throw NilObjectException(what);
    }
    return *ref;
}

} // namespace fw
