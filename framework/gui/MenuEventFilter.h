#pragma once

#include <QKeySequence>
#include <QObject>
#include <functional>

namespace fw {

class MenuBarView;

// Watches the whole application for what the menus must react to: a key
// about to be taken as a shortcut of a menu bar view (ShortcutOverride
// comes before Qt matches the key, so the update can still switch the item
// on); a key pressed in a window of the program that shows no menu bar,
// which the application's bar answers as the Mac's one bar answers every
// window; and a window or menu bar view being shown or hidden (which decides
// whether the application's own menu window is needed).
class MenuEventFilter : public QObject {
public:
    // `withoutABar` is offered the key of a window without a menu bar in
    // view and says whether it took it as a shortcut.
    MenuEventFilter(std::function<void(MenuBarView&)> beforeShortcut,
                    std::function<bool(const QKeySequence&)> withoutABar, std::function<void()> shownChanged);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(MenuBarView&)> m_beforeShortcut;
    std::function<bool(const QKeySequence&)> m_withoutABar;
    std::function<void()> m_shownChanged;
};

} // namespace fw
