#include "framework/core/MenuBar.h"

#include "framework/core/ClassRegistry.h"

namespace fw {

const ClassRecord& MenuBar::Lookup()
{
    return RegisterClass("MenuBar", [] {
        ClassRecord record;
        record.name = "MenuBar";
        record.super = &MenuItem::Lookup();
        record.factory = FactoryOf<MenuBar>();
        return record;
    });
}

MenuBar::MenuBar() = default;

MenuBar::~MenuBar() = default;

void MenuBar::UpdateMenus(const std::function<void()>& enableMenuItems)
{
    for (const Ref<MenuItem>& item : Descendants()) {
        item->SetEnabled(item->AutoEnable());
    }
    if (enableMenuItems) {
        enableMenuItems();
    }
}

} // namespace fw
