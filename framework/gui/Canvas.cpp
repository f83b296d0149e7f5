#include "framework/gui/Canvas.h"

#include "framework/gui/CanvasWidget.h"
#include "framework/gui/EventLoop.h"

namespace fw {

const ClassRecord& Canvas::Lookup()
{
    return RegisterClass("Canvas", [] {
        ClassRecord record;
        record.name = "Canvas";
        record.super = &RectControl::Lookup();
        record.factory = FactoryOf<Canvas>();
        record.properties = {
            BooleanProperty("UseFocusRing", &Canvas::SetUseFocusRing),
            BooleanProperty("AcceptFocus", &Canvas::SetAcceptFocus),
            BooleanProperty("AcceptTabs", &Canvas::SetAcceptTabs),
            BooleanProperty("DoubleBuffer", &Canvas::SetDoubleBuffer),
            BooleanProperty("EraseBackground", &Canvas::SetEraseBackground),
        };
        return record;
    });
}

Canvas::Canvas()
{
    EventLoop::RequireApplication("a Canvas");
    AdoptWidget(new CanvasWidget());
    SetEraseBackground(m_eraseBackground);
}

void Canvas::ApplyFocusPolicy()
{
    if (Widget() == nullptr) {
        return;
    }
    if (!m_acceptFocus) {
        Widget()->setFocusPolicy(Qt::NoFocus);
    } else {
        Widget()->setFocusPolicy(TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void Canvas::SetAcceptFocus(bool value)
{
    m_acceptFocus = value;
    ApplyFocusPolicy();
}

void Canvas::SetEraseBackground(bool value)
{
    m_eraseBackground = value;
    if (Widget() != nullptr) {
        Widget()->setAutoFillBackground(value);
    }
}

} // namespace fw

namespace fw {

void Canvas::SetBackdrop(Ref<Picture> picture)
{
    m_backdrop = picture;
    // Widget() is nil once the window has gone; while there, it is ours.
    if (auto* widget = static_cast<CanvasWidget*>(Widget())) {
        widget->SetBackdrop(std::move(picture));
    }
}

} // namespace fw
