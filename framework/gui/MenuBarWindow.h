#pragma once

#include <QMainWindow>
#include <QString>

namespace fw {

class MenuBarView;

// The small window that shows the application's menu bar while no open
// window shows one of its own: Linux has no menu bar of the screen, and
// without it the user could neither open a document nor quit. Closing it
// quits the application.
class MenuBarWindow : public QMainWindow {
public:
    // Takes the view, titled with the application's name.
    MenuBarWindow(MenuBarView* view, const QString& applicationName);

    MenuBarView& View() const { return *m_view; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    MenuBarView* m_view;
};

} // namespace fw
