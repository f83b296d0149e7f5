#pragma once

#include "framework/core/Picture.h"
#include "framework/core/Ref.h"
#include "framework/gui/RectControl.h"

namespace fw {

// A drawing area. AcceptFocus lets it take the keyboard focus (by tab when
// TabStop is also set); EraseBackground fills it with the window's
// background before drawing. UseFocusRing, AcceptTabs and DoubleBuffer are
// kept as given (Qt always double-buffers).
// Backdrop is the picture drawn at its top-left corner (nil draws nothing);
// a picture whose Transparent is 1 leaves its white pixels out.
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

    const Ref<Picture>& Backdrop() const { return m_backdrop; }
    void SetBackdrop(Ref<Picture> picture);

protected:
    void ApplyFocusPolicy() override;

private:
    bool m_useFocusRing = true;
    bool m_acceptFocus = false;
    bool m_acceptTabs = false;
    bool m_doubleBuffer = false;
    bool m_eraseBackground = true;
    Ref<Picture> m_backdrop;
};

} // namespace fw
