#include "framework/core/QuitMenuItem.h"

#include "framework/core/ClassRegistry.h"

namespace fw {

const ClassRecord& QuitMenuItem::Lookup()
{
    return RegisterClass("QuitMenuItem", [] {
        ClassRecord record;
        record.name = "QuitMenuItem";
        record.super = &MenuItem::Lookup();
        record.factory = FactoryOf<QuitMenuItem>();
        return record;
    });
}

QuitMenuItem::QuitMenuItem() = default;

QuitMenuItem::~QuitMenuItem() = default;

} // namespace fw
