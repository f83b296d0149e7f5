#include "framework/gui/CanvasWidget.h"

#include <QPainter>

#include "framework/gui/QtImageDecoder.h"

namespace fw {

void CanvasWidget::SetBackdrop(Ref<Picture> picture)
{
    m_backdrop = std::move(picture);
    update();
}

void CanvasWidget::paintEvent(QPaintEvent* /*event*/)
{
    if (!m_backdrop) {
        return;
    }
    // Converted on every paint: the pictures are small, and a change to the
    // shared picture's Transparent shows in every canvas that holds it.
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), ToQImage(*m_backdrop));
}

} // namespace fw
