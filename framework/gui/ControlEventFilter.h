#pragma once

#include <QObject>

#include "framework/core/Ref.h"

namespace fw {

class RectControl;

// Watches a control's widget for the mouse events the framework raises and
// passes them to the control through the dispatch boundary. It only
// watches: Qt's own handling of every event goes on unchanged.
class ControlEventFilter : public QObject {
public:
    explicit ControlEventFilter(WeakRef<RectControl> control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WeakRef<RectControl> m_control;
};

} // namespace fw
