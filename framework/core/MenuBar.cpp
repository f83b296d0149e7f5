#include "framework/core/MenuBar.h"

namespace fw {

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
