#include "framework/core/AppleMenuItem.h"

#include "framework/core/ClassRegistry.h"

namespace fw {

const ClassRecord& AppleMenuItem::Lookup()
{
    return RegisterClass("AppleMenuItem", [] {
        ClassRecord record;
        record.name = "AppleMenuItem";
        record.super = &MenuItem::Lookup();
        record.factory = FactoryOf<AppleMenuItem>();
        return record;
    });
}

AppleMenuItem::AppleMenuItem() = default;

AppleMenuItem::~AppleMenuItem() = default;

} // namespace fw
