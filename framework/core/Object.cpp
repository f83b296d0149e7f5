#include "framework/core/Object.h"

#include "framework/core/ClassRegistry.h"

namespace fw {

const ClassRecord& Object::Lookup()
{
    return RegisterClass("Object", [] {
        ClassRecord record;
        record.name = "Object";
        return record;
    });
}

const ClassRecord& Object::Class() const
{
    return Lookup();
}

} // namespace fw
