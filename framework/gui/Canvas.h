#pragma once

#include "framework/gui/RectControl.h"

namespace fw {

// A drawing area. AcceptFocus lets it take the keyboard focus (by tab when
// TabStop is also set); EraseBackground fills it with the window's
// background before drawing. UseFocusRing, AcceptTabs and DoubleBuffer are
// kept as given (Qt always double-buffers).
//
// Backdrop: the picture it shows arrives with the pictures work, which adds
// SetBackdrop and a widget of its own that draws it.
class Canvas : public RectControl {
public:
    Canvas();

    static const ClassRecord& Lookup();
    const ClassRecord& Class() const override { return Lookup(); }

    bool UseFocusRing() const { return m_useFocusRing; }
    void SetUseFocusRing(bool value) { m_useFocusRing = value; }
    bool AcceptFocus() const { return m_acceptFocus; }
    void SetAcceptFocus(bool value);
    bool AcceptTabs() const { return m_acceptTabs; }
    void SetAcceptTabs(bool value) { m_acceptTabs = value; }
    bool DoubleBuffer() const { return m_doubleBuffer; }
    void SetDoubleBuffer(bool value) { m_doubleBuffer = value; }
    bool EraseBackground() const { return m_eraseBackground; }
    void SetEraseBackground(bool value);

protected:
    void ApplyFocusPolicy() override;

private:
    bool m_useFocusRing = true;
    bool m_acceptFocus = false;
    bool m_acceptTabs = false;
    bool m_doubleBuffer = false;
    bool m_eraseBackground = true;
};

} // namespace fw
