#include "framework/gui/MenuEventFilter.h"

#include <QKeyEvent>
#include <QMainWindow>
#include <QWidget>
#include <utility>

#include "framework/gui/MenuBarView.h"
#include "framework/gui/MenuBarWindow.h"
#include "framework/gui/NativeWindow.h"

namespace fw {

namespace {

// The menu bar view whose shortcuts apply where `widget` is: the view
// itself or one of its menus, or the view of the widget's main window.
MenuBarView* ViewAround(QWidget* widget)
{
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (auto* view = dynamic_cast<MenuBarView*>(widget)) {
            return view;
        }
        if (const auto* window = dynamic_cast<const QMainWindow*>(widget)) {
            return dynamic_cast<MenuBarView*>(window->menuWidget());
        }
    }
    return nullptr;
}

bool ShowsAMenuBarOfAWindow(QObject* watched)
{
    if (dynamic_cast<NativeWindow*>(watched) != nullptr) {
        return true;
    }
    const auto* view = dynamic_cast<MenuBarView*>(watched);
    // The menu window's own view coming and going changes nothing.
    return view != nullptr && dynamic_cast<const MenuBarWindow*>(view->window()) == nullptr;
}

} // namespace

MenuEventFilter::MenuEventFilter(std::function<void(MenuBarView&)> beforeShortcut,
                                 std::function<bool(const QKeySequence&)> withoutABar,
                                 std::function<void()> shownChanged)
    : m_beforeShortcut(std::move(beforeShortcut))
    , m_withoutABar(std::move(withoutABar))
    , m_shownChanged(std::move(shownChanged))
{
}

bool MenuEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Qt offers the event to the QWindow as well; the widget is enough.
        if (watched->isWidgetType()) {
            auto* widget = qobject_cast<QWidget*>(watched);
            MenuBarView* view = ViewAround(widget);
            const QKeySequence key(static_cast<const QKeyEvent*>(event)->keyCombination());
            if (view != nullptr && view->isVisible()) {
                if (view->Binds(key)) {
                    m_beforeShortcut(*view);
                }
            } else if (dynamic_cast<const NativeWindow*>(widget->window()) != nullptr && m_withoutABar(key)) {
                event->accept();
                return true;
            }
        }
        break;
    case QEvent::Show:
    case QEvent::Hide:
        if (ShowsAMenuBarOfAWindow(watched)) {
            m_shownChanged();
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace fw
