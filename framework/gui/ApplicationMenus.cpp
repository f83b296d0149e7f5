#include "framework/gui/ApplicationMenus.h"

#include <QApplication>
#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "framework/core/Application.h"
#include "framework/core/ApplicationBundle.h"
#include "framework/core/ClassRegistry.h"
#include "framework/core/NeverDestroyed.h"
#include "framework/core/QuitMenuItem.h"
#include "framework/gui/EventLoop.h"
#include "framework/gui/MenuBarView.h"
#include "framework/gui/MenuBarWindow.h"
#include "framework/gui/MenuEventFilter.h"
#include "framework/gui/QtText.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/Window.h"
#include "framework/gui/WindowList.h"

namespace fw {

namespace {

struct MenusState {
    bool installed = false;
    bool refreshPending = false;
    std::unique_ptr<MenuEventFilter> filter;
    QPointer<MenuBarWindow> menuWindow;
};

// Never destroyed: it holds Qt objects.
MenusState& State()
{
    return NeverDestroyed<MenusState>();
}

QString ApplicationTitle()
{
    return ToQString(ApplicationName());
}

// Both handlers run for Qt: each goes through the dispatch boundary.
MenuBarView* MakeView(const Ref<MenuBar>& bar)
{
    auto* view = new MenuBarView(bar, ApplicationTitle());
    view->SetTriggeredHandler([](const Ref<MenuItem>& item) {
        EventLoop::Dispatch([item] { ApplicationMenus::Choose(item); });
    });
    // The view owns the handler, so it is alive whenever the handler runs.
    view->SetAboutToShowHandler([view] {
        EventLoop::Dispatch([view] { ApplicationMenus::Update(*view->Bar()); });
    });
    return view;
}

// The hook a window calls once its MenuBar has been set. A new view shows
// the items' enabled states as they stand, so the update runs at once.
void ShowMenuBarOf(Window& window)
{
    QMainWindow* native = window.NativeWindow();
    const Ref<MenuBar> bar = window.MenuBar();
    MenuBarView* current = ApplicationMenus::ViewOf(window);
    if (!bar) {
        if (current != nullptr) {
            window.InstallMenuBarView(nullptr);
        }
    } else if (native != nullptr && (current == nullptr || current->Bar() != bar)) {
        window.InstallMenuBarView(MakeView(bar));
        ApplicationMenus::Update(*bar);
    }
    ApplicationMenus::ScheduleRefresh();
}

// The item of `bar` that `key` is the shortcut of; nil for none. A key
// event without a key binds to nothing, not to the items without shortcuts.
Ref<MenuItem> ItemBoundTo(const MenuBar& bar, const QKeySequence& key)
{
    if (key.isEmpty()) {
        return nullptr;
    }
    for (const Ref<MenuItem>& item : bar.Descendants()) {
        if (!item->IsSeparator() && item->Children().empty() &&
            MenuBarView::KeySequenceFor(item->KeyboardShortcut()) == key) {
            return item;
        }
    }
    return nullptr;
}

// A window of the program that shows no menu bar (the about window) answers
// the shortcuts of the application's bar, as the Mac's one bar answers every
// window: the update runs, then the item is chosen if it is on. True when the
// key is one of the bar's. As behind a window with a menu bar, a shortcut does
// nothing while a dialog or message holds the program: a second Ctrl+O that
// came before the first dialog opened is not a second dialog.
bool TakeApplicationShortcut(const QKeySequence& key)
{
    const Ref<Application> application = GetAppObject();
    const Ref<MenuBar> bar = application ? application->MenuBar() : nullptr;
    const Ref<MenuItem> item = bar ? ItemBoundTo(*bar, key) : nullptr;
    if (!item) {
        return false;
    }
    // On the loop's next pass, so no dialog that the item opens runs inside
    // the key's delivery.
    EventLoop::Post([bar, item] {
        if (QApplication::activeModalWidget() != nullptr) {
            return;
        }
        ApplicationMenus::Update(*bar);
        if (item->Enabled()) {
            ApplicationMenus::Choose(item);
        }
    });
    return true;
}

bool AnOpenWindowShowsAMenuBar()
{
    for (std::int32_t index = 0; index < WindowCount(); ++index) {
        const Ref<Window> window = WindowAt(index);
        const QMainWindow* native = window->NativeWindow();
        if (native != nullptr && native->isVisible() && window->MenuBarVisible() &&
            ApplicationMenus::ViewOf(*window) != nullptr) {
            return true;
        }
    }
    return false;
}

void HideMenuWindow()
{
    if (MenuBarWindow* window = State().menuWindow.data(); window != nullptr) {
        window->hide();
    }
}

} // namespace

void ApplicationMenus::Install()
{
    MenusState& state = State();
    if (state.installed) {
        return;
    }
    EventLoop::RequireApplication("the menus");
    state.installed = true;
    Window::SetMenuBarChangedHook(&ShowMenuBarOf);
    WindowList::SetChangedHook(&ApplicationMenus::ScheduleRefresh);
    state.filter = std::make_unique<MenuEventFilter>(
        [](MenuBarView& view) { EventLoop::Dispatch([&view] { Update(*view.Bar()); }); }, &TakeApplicationShortcut,
        &ApplicationMenus::ScheduleRefresh);
    QCoreApplication::instance()->installEventFilter(state.filter.get());
    ScheduleRefresh();
}

void ApplicationMenus::Uninstall()
{
    MenusState& state = State();
    if (!state.installed) {
        return;
    }
    Window::SetMenuBarChangedHook({});
    WindowList::SetChangedHook({});
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(state.filter.get());
    }
    delete state.menuWindow.data();
    state = MenusState{};
}

void ApplicationMenus::Update(MenuBar& bar)
{
    bar.UpdateMenus([] {
        if (const Ref<Application> application = GetAppObject()) {
            application->Event_EnableMenuItems();
        }
    });
}

void ApplicationMenus::Choose(const Ref<MenuItem>& item)
{
    std::optional<bool> handled;
    if (const Ref<Application> application = GetAppObject()) {
        handled = application->CallMenuHandler(Deref(item, "chosen menu item").Name());
    }
    if (!handled.value_or(false) && RuntimeObjectIsa(item, QuitMenuItem::Lookup())) {
        Quit(0);
    }
}

void ApplicationMenus::ScheduleRefresh()
{
    MenusState& state = State();
    if (!state.installed || state.refreshPending) {
        return;
    }
    state.refreshPending = true;
    EventLoop::Post([] { Refresh(); });
}

void ApplicationMenus::Refresh()
{
    MenusState& state = State();
    state.refreshPending = false;
    if (!state.installed) {
        return;
    }
    const Ref<Application> application = GetAppObject();
    const Ref<MenuBar> bar = application ? application->MenuBar() : nullptr;
    if (!bar || EventLoop::IsEnding() || AnOpenWindowShowsAMenuBar()) {
        HideMenuWindow();
        return;
    }
    MenuBarWindow* window = state.menuWindow.data();
    if (window != nullptr && window->View().Bar() != bar) {
        // The application has a new bar: its window replaces the old one.
        window->hide();
        window->deleteLater();
        window = nullptr;
    }
    if (window == nullptr) {
        window = new MenuBarWindow(MakeView(bar), ApplicationTitle());
        state.menuWindow = window;
        Update(*bar);
    }
    if (!window->isVisible()) {
        window->show();
        // Shortcuts reach the active window only; take the focus unless a
        // window of the program (one without a menu bar) has it.
        if (QApplication::activeWindow() == nullptr) {
            window->activateWindow();
        }
    }
}

QMainWindow* ApplicationMenus::MenuWindow()
{
    return State().menuWindow.data();
}

MenuBarView* ApplicationMenus::ViewOf(const Window& window)
{
    const QMainWindow* native = window.NativeWindow();
    return native != nullptr ? dynamic_cast<MenuBarView*>(native->menuWidget()) : nullptr;
}

} // namespace fw
