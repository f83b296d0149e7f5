#include "framework/gui/RectControl.h"

#include <QCoreApplication>
#include <QWidget>
#include <algorithm>

#include "framework/gui/ControlEventFilter.h"
#include "framework/gui/QtText.h"

namespace fw {

const ClassRecord& RectControl::Lookup()
{
    return RegisterClass("RectControl", [] {
        ClassRecord record;
        record.name = "RectControl";
        record.super = &Control::Lookup();
        record.properties = {
            IntegerProperty("Left", &RectControl::SetLeft),
            IntegerProperty("Top", &RectControl::SetTop),
            IntegerProperty("Width", &RectControl::SetWidth),
            IntegerProperty("Height", &RectControl::SetHeight),
            BooleanProperty("LockLeft", &RectControl::SetLockLeft),
            BooleanProperty("LockTop", &RectControl::SetLockTop),
            BooleanProperty("LockRight", &RectControl::SetLockRight),
            BooleanProperty("LockBottom", &RectControl::SetLockBottom),
            IntegerProperty("TabIndex", &RectControl::SetTabIndex),
            BooleanProperty("TabStop", &RectControl::SetTabStop),
            BooleanProperty("Enabled", &RectControl::SetEnabled),
            BooleanProperty("Visible", &RectControl::SetVisible),
            TextProperty("HelpTag", &RectControl::SetHelpTag),
            BooleanProperty("AutoDeactivate", &RectControl::SetAutoDeactivate),
            TextProperty("InitialParent", &RectControl::SetInitialParent),
        };
        return record;
    });
}

RectControl::~RectControl()
{
    // A widget that never joined a window is ours; one that did goes with it.
    // After shut-down Qt is gone and the widget with it: leave it.
    if (m_widget != nullptr && m_widget->parent() == nullptr && QCoreApplication::instance() != nullptr) {
        delete m_widget;
    }
}

bool RectControl::HasEvent(std::int32_t number) const
{
    return number == ControlEvent::MouseEnter || number == ControlEvent::MouseExit ||
           number == ControlEvent::MouseDown || number == ControlEvent::MouseUp;
}

void RectControl::AdoptWidget(QWidget* widget)
{
    m_widget = widget;
    ApplyGeometry();
    ApplyFocusPolicy();
    m_widget->setEnabled(m_enabled);
}

void RectControl::AttachTo(QWidget* content)
{
    if (m_widget == nullptr || m_widget->parentWidget() == content) {
        return;
    }
    if (m_filter == nullptr) {
        // Made here rather than with the widget: the control is owned by a
        // Ref by now, so the filter can refer to it weakly. The filter is
        // the widget's child and goes with it.
        m_filter = new ControlEventFilter(std::static_pointer_cast<RectControl>(shared_from_this()));
        m_filter->setParent(m_widget);
        m_widget->installEventFilter(m_filter);
        m_widget->setParent(content);
        WidgetAttached();
    } else {
        m_widget->setParent(content);
    }
    ApplyGeometry();
    ApplyVisibility();
}

void RectControl::DetachWidget()
{
    m_widget = nullptr;
    m_filter = nullptr;
    m_pressTaken = false;
}

void RectControl::ApplyGeometry()
{
    if (m_widget != nullptr) {
        m_widget->setGeometry(m_left, m_top, std::max(0, m_width), std::max(0, m_height));
    }
}

void RectControl::ApplyVisibility()
{
    // A widget without a parent would become a window of its own when shown.
    if (m_widget != nullptr && m_widget->parentWidget() != nullptr) {
        m_widget->setVisible(m_visible);
    }
}

void RectControl::ApplyFocusPolicy()
{
    if (m_widget != nullptr) {
        m_widget->setFocusPolicy(m_tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void RectControl::SetLeft(std::int32_t value)
{
    m_left = value;
    ApplyGeometry();
}

void RectControl::SetTop(std::int32_t value)
{
    m_top = value;
    ApplyGeometry();
}

void RectControl::SetWidth(std::int32_t value)
{
    m_width = value;
    ApplyGeometry();
}

void RectControl::SetHeight(std::int32_t value)
{
    m_height = value;
    ApplyGeometry();
}

void RectControl::SetTabIndex(std::int32_t value)
{
    m_tabIndex = value;
}

void RectControl::SetTabStop(bool value)
{
    m_tabStop = value;
    ApplyFocusPolicy();
}

void RectControl::SetEnabled(bool value)
{
    m_enabled = value;
    if (m_widget != nullptr) {
        m_widget->setEnabled(value);
    }
}

void RectControl::SetVisible(bool value)
{
    m_visible = value;
    ApplyVisibility();
}

void RectControl::SetHelpTag(const String& value)
{
    m_helpTag = value;
    if (m_widget != nullptr) {
        m_widget->setToolTip(ToQString(value));
    }
}

void RectControl::MouseEntered()
{
    RaiseEvent(ControlEvent::MouseEnter);
}

void RectControl::MouseExited()
{
    RaiseEvent(ControlEvent::MouseExit);
}

void RectControl::MousePressed(std::int32_t x, std::int32_t y)
{
    m_pressTaken = false;
    m_pressTaken = RaiseEvent(ControlEvent::MouseDown, x, y);
}

void RectControl::MouseReleased(std::int32_t x, std::int32_t y)
{
    // Only the press a MouseDown handler took brings a MouseUp.
    if (!m_pressTaken) {
        return;
    }
    m_pressTaken = false;
    RaiseEvent(ControlEvent::MouseUp, x, y);
}

} // namespace fw
