#pragma once

#include "framework/core/MenuItem.h"

namespace fw {

// An item whose default action quits the application; a view reports it
// like any other item and the application tells it apart by its class.
class QuitMenuItem : public MenuItem {
public:
    QuitMenuItem();
    ~QuitMenuItem() override;

    using MenuItem::Lookup; // the item lookup by name stays visible beside the record's
    static const ClassRecord& Lookup();
    const ClassRecord& Class() const override { return Lookup(); }
};

} // namespace fw
