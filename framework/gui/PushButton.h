#pragma once

#include <cstdint>

#include "framework/gui/TextControl.h"

class QPushButton;

namespace fw {

// A push button; its Action event fires when it is clicked. Default answers
// Return and Cancel answers Escape in its window. ButtonStyle is kept as
// given: every style is Qt's push button here.
class PushButton : public TextControl {
public:
    PushButton();

    static const ClassRecord& Lookup();
    const ClassRecord& Class() const override { return Lookup(); }

    bool HasEvent(std::int32_t number) const override;

    const String& Caption() const { return m_caption; }
    void SetCaption(const String& value);
    bool Default() const { return m_default; }
    void SetDefault(bool value);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool value) { m_cancel = value; }
    std::int32_t ButtonStyle() const { return m_buttonStyle; }
    void SetButtonStyle(std::int32_t value) { m_buttonStyle = value; }


    // Clicks the button as the user would.
    void Push();

    QPushButton* ButtonWidget() const;

protected:
    void WidgetAttached() override;

private:
    String m_caption;
    bool m_default = false;
    bool m_cancel = false;
    std::int32_t m_buttonStyle = 0;
};

} // namespace fw
