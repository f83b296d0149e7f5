#pragma once

#include <QObject>
#include <functional>

namespace fw {

class MenuBarView;

// Watches the whole application for what the menus must react to: a key
// about to be taken as a shortcut of a menu bar view (ShortcutOverride
// comes before Qt matches the key, so the update can still switch the item
// on), and a window or menu bar view being shown or hidden (which decides
// whether the application's own menu window is needed).
class MenuEventFilter : public QObject {
public:
    MenuEventFilter(std::function<void(MenuBarView&)> beforeShortcut, std::function<void()> shownChanged);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(MenuBarView&)> m_beforeShortcut;
    std::function<void()> m_shownChanged;
};

} // namespace fw
