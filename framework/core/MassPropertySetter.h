#pragma once

#include <string_view>

#include "framework/core/Object.h"
#include "framework/core/Ref.h"

namespace fw {

// Applies a property blob to `object`: each entry is assigned through its
// property's setter as soon as it has been read, in blob order, so setters
// see the same sequence as assignments in code. Properties the blob does not
// name keep their values. A malformed blob raises PropertyBlobException
// after the entries before the fault have been assigned; a setter's own
// exception passes unchanged.
void RuntimeMassPropertySetter(Object& object, std::string_view blob);

// The program's entry point for a blob; nil raises NilObjectException.
void SetProperties(const Ref<Object>& object, std::string_view blob);

} // namespace fw
