#include "framework/gui/MenuBarWindow.h"

#include <QCloseEvent>
#include <algorithm>

#include "framework/gui/EventLoop.h"
#include "framework/gui/MenuBarView.h"
#include "framework/gui/Runtime.h"

namespace fw {

namespace {

// Wide enough for the title in a window manager's frame; the content is the
// menu bar alone.
constexpr int kMinimumWidth = 280;

} // namespace

MenuBarWindow::MenuBarWindow(MenuBarView* view, const QString& applicationName)
    : m_view(view)
{
    setWindowTitle(applicationName);
    setMenuWidget(view);
    auto* content = new QWidget(this);
    content->setFixedHeight(0);
    setCentralWidget(content);
    const QSize bar = view->sizeHint();
    setFixedSize(std::max(kMinimumWidth, bar.width()), bar.height());
}

void MenuBarWindow::closeEvent(QCloseEvent* event)
{
    // The window stays until the application goes: quitting ends the loop
    // promptly, and nothing would show the menu bar in between.
    event->ignore();
    EventLoop::Dispatch([] { Quit(0); });
}

} // namespace fw
