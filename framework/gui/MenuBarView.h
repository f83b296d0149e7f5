#pragma once

#include <functional>
#include <vector>

#include <QKeySequence>
#include <QMenuBar>
#include <QString>

#include "framework/core/MenuBar.h"
#include "framework/core/Ref.h"
#include "framework/core/Subscription.h"

class QAction;
class QMenu;

namespace fw {

// A QMenuBar that shows one shared fw::MenuBar. Every window that shows the
// bar has its own view; all views of a tree follow its enabled states.
//
// The view is built from the tree as it stands at construction (items are
// not added or renamed later). Top-level items become the bar's menus, items
// with children submenus, "-" a separator line, every other item a QAction
// with the shortcut its text names. AppleMenuItems, at any depth, are shown
// in an application menu titled with the application's name, first in the
// bar, and not where they were appended.
//
// Menus themselves are always openable, whatever their item's enabled state:
// their content is decided by the menu update that the about-to-show handler
// runs as they open.
class MenuBarView : public QMenuBar {
public:
    // Both handlers are called from Qt's event dispatch and must not throw:
    // the application wraps them in its dispatch boundary.
    using TriggeredHandler = std::function<void(const Ref<MenuItem>& item)>;
    using AboutToShowHandler = std::function<void()>;

    MenuBarView(Ref<MenuBar> bar, const QString& applicationName, QWidget* parent = nullptr);
    ~MenuBarView() override;

    const Ref<MenuBar>& Bar() const { return m_bar; }

    // Called with the item of a chosen action, whether by mouse, keyboard
    // shortcut or QAction::trigger(); not for an item that is disabled when
    // the action fires.
    void SetTriggeredHandler(TriggeredHandler handler) { m_triggered = std::move(handler); }
    // Called before any of the view's menus opens, so the menu update can run.
    void SetAboutToShowHandler(AboutToShowHandler handler) { m_aboutToShow = std::move(handler); }

    // The action that shows `item`; nullptr for menus, separators and items
    // that are not in the tree.
    QAction* ActionFor(const MenuItem& item) const;
    // Whether one of the view's items is bound to `key`, enabled or not: a
    // key that is, is about to be taken as a shortcut, once the menu update
    // has run.
    bool Binds(const QKeySequence& key) const;
    // The menu titled with the application's name; nullptr when the tree
    // holds no AppleMenuItem.
    QMenu* ApplicationMenu() const { return m_applicationMenu; }

    // "Cmd+O" -> Ctrl+O: Command is the primary modifier, which Qt calls
    // Ctrl (and shows as Command on a Mac); the Mac's Control key is Qt's
    // Meta, Option is Alt. "" and texts that name no single key give an empty
    // sequence, so a bad text binds nothing rather than a wrong key.
    static QKeySequence KeySequenceFor(const String& shortcutText);

private:
    struct Entry {
        Ref<MenuItem> item;
        QAction* action;
    };

    void Build(const QString& applicationName);
    void Populate(QMenu* menu, const MenuItem& parent);
    QMenu* AddMenu(QWidget* container, const MenuItem& item);
    void AddItem(QWidget* container, const Ref<MenuItem>& item);
    void AddAction(QWidget* container, const Ref<MenuItem>& item);
    void WatchOpening(QMenu* menu);
    void Report(const Ref<MenuItem>& item) const;

    Ref<MenuBar> m_bar;
    QMenu* m_applicationMenu = nullptr;
    std::vector<Entry> m_entries;
    // Cancelled with the view, so the shared tree never calls into a view
    // that is gone.
    std::vector<Subscription> m_subscriptions;
    TriggeredHandler m_triggered;
    AboutToShowHandler m_aboutToShow;
};

} // namespace fw
