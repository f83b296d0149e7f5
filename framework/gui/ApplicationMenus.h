#pragma once

#include "framework/core/MenuBar.h"
#include "framework/core/MenuItem.h"
#include "framework/core/Ref.h"

class QMainWindow;

namespace fw {

class MenuBarView;
class Window;

// The menus code: it shows every window's menu bar as a MenuBarView of the
// one shared tree, runs the menu update before a menu opens and before a
// shortcut is taken, carries out chosen items, and, since Linux has no menu
// bar of the screen, shows the application's MenuBar in a small window of its
// own while no open window shows a menu bar, and lets the application's
// shortcuts act in a window that shows none. The runtime installs it at
// start-up and removes it at shut-down.
class ApplicationMenus {
public:
    static void Install();
    static void Uninstall();

    // The menu update of `bar`: every item off, the AutoEnable items on, then
    // the application's EnableMenuItems. An exception passes to the caller.
    static void Update(MenuBar& bar);

    // What choosing `item` does: the handler registered for its name on the
    // application object; when none handles it (none registered, or it gives
    // False) and it is a QuitMenuItem, the application quits.
    static void Choose(const Ref<MenuItem>& item);

    // Shows or hides the menu window to match the open windows, on a later
    // pass of the event loop (changes come in bursts while a window opens
    // or closes) or now.
    static void ScheduleRefresh();
    static void Refresh();

    // The window that shows the application's menu bar, nil while there has
    // been no need for it; the view a window shows, nil for none.
    static QMainWindow* MenuWindow();
    static MenuBarView* ViewOf(const Window& window);
};

} // namespace fw
