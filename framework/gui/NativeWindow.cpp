#include "framework/gui/NativeWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "framework/gui/EventLoop.h"
#include "framework/gui/Window.h"

namespace fw {

NativeWindow::NativeWindow(WeakRef<Window> window)
    : m_window(std::move(window))
{
}

bool NativeWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        if (const Ref<Window> window = m_window.lock()) {
            EventLoop::Dispatch([&] { window->NativeActivated(); });
        }
    }
    return QMainWindow::event(event);
}

void NativeWindow::closeEvent(QCloseEvent* event)
{
    // The window object decides; the Qt window only goes with it.
    event->ignore();
    if (const Ref<Window> window = m_window.lock()) {
        EventLoop::Dispatch([&] { window->NativeCloseRequested(); });
    } else {
        event->accept();
    }
}

void NativeWindow::keyPressEvent(QKeyEvent* event)
{
    bool handled = false;
    if (const Ref<Window> window = m_window.lock()) {
        EventLoop::Dispatch([&] { handled = window->NativeKey(event->key()); });
    }
    if (!handled) {
        QMainWindow::keyPressEvent(event);
    }
}

} // namespace fw

namespace fw {

bool NativeWindow::focusNextPrevChild(bool next)
{
    bool moved = false;
    if (const Ref<Window> window = m_window.lock()) {
        EventLoop::Dispatch([&] { moved = window->FocusNext(next); });
    }
    if (moved) {
        return true;
    }
    return QMainWindow::focusNextPrevChild(next);
}

} // namespace fw
