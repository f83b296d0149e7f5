#pragma once

#include <QMainWindow>

#include "framework/core/Ref.h"

namespace fw {

class Window;

// The Qt window behind a fw::Window: the content area is its central widget,
// a menu bar view goes where QMainWindow puts one. It reports activation,
// the close box and Return/Escape to its window through the dispatch boundary.
class NativeWindow : public QMainWindow {
public:
    explicit NativeWindow(WeakRef<Window> window);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    WeakRef<Window> m_window;
};

} // namespace fw
