#pragma once

#include <QWidget>

#include "framework/core/Picture.h"
#include "framework/core/Ref.h"

namespace fw {

// The Qt widget behind a Canvas: draws the backdrop picture at its top-left
// corner, unscaled and clipped to the canvas, over the background that
// EraseBackground fills in.
class CanvasWidget final : public QWidget {
public:
    CanvasWidget() = default;

    void SetBackdrop(Ref<Picture> picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Ref<Picture> m_backdrop;
};

} // namespace fw
