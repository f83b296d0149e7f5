#pragma once

#include "framework/core/MenuItem.h"

namespace fw {

// An item that belongs in the application menu (the one titled with the
// application's name, first in the bar) wherever it was appended: the
// program puts its about item at the foot of a menu of its own, and the
// views move it.
class AppleMenuItem : public MenuItem {
public:
    AppleMenuItem();
    ~AppleMenuItem() override;

    using MenuItem::Lookup; // the item lookup by name stays visible beside the record's
    static const ClassRecord& Lookup();
    const ClassRecord& Class() const override { return Lookup(); }
};

} // namespace fw
