#pragma once

#include "framework/core/MenuItem.h"

namespace fw {

// An item whose default action quits the application; a view reports it
// like any other item and the application tells it apart by its class.
class QuitMenuItem : public MenuItem {
public:
    QuitMenuItem();
    ~QuitMenuItem() override;
};

} // namespace fw
