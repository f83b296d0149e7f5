#include "framework/gui/ControlEventFilter.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPointer>

#include "framework/gui/EventLoop.h"
#include "framework/gui/RectControl.h"

namespace fw {

ControlEventFilter::ControlEventFilter(WeakRef<RectControl> control)
    : m_control(std::move(control))
{
}

bool ControlEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    // A handler may run the event loop (a scan yielding), and the user may
    // close the control's window meanwhile: then the widget and this filter
    // are gone when the handler returns. Touch no member after a dispatch,
    // and stop Qt from delivering the event to a widget that no longer exists.
    const QPointer<QObject> alive(watched);
    const Ref<RectControl> control = m_control.lock();
    if (!control) {
        return false;
    }
    switch (event->type()) {
    case QEvent::Enter:
        EventLoop::Dispatch([&] { control->MouseEntered(); });
        break;
    case QEvent::Leave:
        EventLoop::Dispatch([&] { control->MouseExited(); });
        break;
    // The second press of a quick double click arrives as a double-click
    // event; it is a press all the same.
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (event->type() != QEvent::MouseButtonRelease) {
            EventLoop::Dispatch([&] { control->MousePressed(at.x(), at.y()); });
        } else {
            EventLoop::Dispatch([&] { control->MouseReleased(at.x(), at.y()); });
        }
        break;
    }
    default:
        break;
    }
    return alive.isNull();
}

} // namespace fw
