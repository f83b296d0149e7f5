#pragma once

#include <functional>

#include "framework/core/MenuItem.h"

namespace fw {

// The root of a menu tree: its children are the menus of the bar. One bar
// may be installed on the application and on any number of windows at once;
// they all show the same items.
class MenuBar : public MenuItem {
public:
    MenuBar();
    ~MenuBar() override;

    using MenuItem::Lookup; // the item lookup by name stays visible beside the record's
    static const ClassRecord& Lookup();
    const ClassRecord& Class() const override { return Lookup(); }

    // The menu update, run before a menu opens and before a shortcut is
    // taken: every item below the bar off, the AutoEnable items on, then
    // `enableMenuItems` (the application's EnableMenuItems event), which
    // switches on what the program decides. An exception from it passes to
    // the caller, with the framework's part of the update already done.
    void UpdateMenus(const std::function<void()>& enableMenuItems = {});
};

} // namespace fw
