#pragma once

#include <cstdint>

#include "framework/gui/Control.h"

class QWidget;

namespace fw {

class ControlEventFilter;

// A control with a place on its window and a Qt widget: geometry in the
// window's content coordinates, enabled and visible state, tooltip, tab
// order, and the mouse events. A MouseDown handler that returns True takes
// the press: the MouseUp of that press comes to this control wherever the
// button is released.
class RectControl : public Control {
public:
    ~RectControl() override;

    static const ClassRecord& Lookup();
    const ClassRecord& Class() const override { return Lookup(); }

    bool HasEvent(std::int32_t number) const override;

    std::int32_t Left() const { return m_left; }
    void SetLeft(std::int32_t value);
    std::int32_t Top() const { return m_top; }
    void SetTop(std::int32_t value);
    std::int32_t Width() const { return m_width; }
    void SetWidth(std::int32_t value);
    std::int32_t Height() const { return m_height; }
    void SetHeight(std::int32_t value);
    bool LockLeft() const { return m_lockLeft; }
    void SetLockLeft(bool value) { m_lockLeft = value; }
    bool LockTop() const { return m_lockTop; }
    void SetLockTop(bool value) { m_lockTop = value; }
    bool LockRight() const { return m_lockRight; }
    void SetLockRight(bool value) { m_lockRight = value; }
    bool LockBottom() const { return m_lockBottom; }
    void SetLockBottom(bool value) { m_lockBottom = value; }
    std::int32_t TabIndex() const { return m_tabIndex; }
    void SetTabIndex(std::int32_t value);
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool value);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool value);
    bool Visible() const { return m_visible; }
    void SetVisible(bool value);
    const String& HelpTag() const { return m_helpTag; }
    void SetHelpTag(const String& value);
    bool AutoDeactivate() const { return m_autoDeactivate; }
    void SetAutoDeactivate(bool value) { m_autoDeactivate = value; }
    const String& InitialParent() const { return m_initialParent; }
    void SetInitialParent(const String& value) { m_initialParent = value; }

    // The Qt widget; nil once the control's window has closed.
    QWidget* Widget() const { return m_widget; }
    // Called by the window: place the widget on its content area, or let it go
    // with the window's Qt side.
    void AttachTo(QWidget* content);
    void DetachWidget();

    // Called by the widget's event filter, inside the dispatch boundary.
    void MouseEntered();
    void MouseExited();
    void MousePressed(std::int32_t x, std::int32_t y);
    void MouseReleased(std::int32_t x, std::int32_t y);

protected:
    // Derived classes make their widget in their constructor and hand it over.
    void AdoptWidget(QWidget* widget);
    // How the widget takes focus given TabStop (and the class's own settings).
    virtual void ApplyFocusPolicy();
    // The widget has joined a window for the first time; the control is
    // owned by a Ref from here on.
    virtual void WidgetAttached() {}

private:
    void ApplyGeometry();
    void ApplyVisibility();

    QWidget* m_widget = nullptr;
    ControlEventFilter* m_filter = nullptr;
    std::int32_t m_left = 0;
    std::int32_t m_top = 0;
    std::int32_t m_width = 80;
    std::int32_t m_height = 22;
    bool m_lockLeft = true;
    bool m_lockTop = true;
    bool m_lockRight = false;
    bool m_lockBottom = false;
    std::int32_t m_tabIndex = 0;
    bool m_tabStop = true;
    bool m_enabled = true;
    bool m_visible = true;
    String m_helpTag;
    bool m_autoDeactivate = true;
    String m_initialParent;
    bool m_pressTaken = false;
};

} // namespace fw
