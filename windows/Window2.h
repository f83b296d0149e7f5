#pragma once

#include <cstdint>

#include "framework/core/Subclass.h"
#include "framework/gui/Canvas.h"
#include "framework/gui/Label.h"
#include "framework/gui/PushButton.h"
#include "framework/gui/Window.h"

namespace karvelio {

// The about window, 300 by 180. There is at most one; the framework holds it
// as the class's implicit instance, so closing it is all it takes for the
// next request to build a fresh one with blue links and the version written
// anew.
//
// What each name is:
//   PushButton1  the button "Close"
//   StaticText1  the link to the maker's web page
//   Canvas1      the maker's logo, 170 by 65
//   StaticText2  the link to the maker's mail address ("mailto:…")
//   StaticText3  the program's name, "Karvelio", in bold
//   StaticText5  the version, "Ver. " and the application's long version
class Window2 : public fw::Subclass<Window2, fw::Window> {
public:
    static fw::ClassTable<Window2> Table();

    // `Window2()`: the about window that is open, else a new one, built and shown.
    static fw::Ref<Window2> Instance();

    // Building events: the window's design, then the controls.
    void Layout() override;
    void CreateControls() override;
    virtual void CreateControls0();

    // Controls.
    virtual fw::Ref<fw::PushButton> PushButton1() const { return ControlAs<fw::PushButton>("PushButton1"); }
    virtual fw::Ref<fw::Label> StaticText1() const { return ControlAs<fw::Label>("StaticText1"); }
    virtual fw::Ref<fw::Canvas> Canvas1() const { return ControlAs<fw::Canvas>("Canvas1"); }
    virtual fw::Ref<fw::Label> StaticText2() const { return ControlAs<fw::Label>("StaticText2"); }
    virtual fw::Ref<fw::Label> StaticText3() const { return ControlAs<fw::Label>("StaticText3"); }
    virtual fw::Ref<fw::Label> StaticText5() const { return ControlAs<fw::Label>("StaticText5"); }

    // "Close" closes the about window, whichever window is in front.
    virtual void PushButton1_Action(fw::Ref<fw::PushButton> sender);
    // The two links: red under the mouse, blue otherwise; each takes every
    // press and opens its address when the button comes up.
    virtual void StaticText1_MouseExit(fw::Ref<fw::Label> sender);
    virtual void StaticText1_MouseEnter(fw::Ref<fw::Label> sender);
    virtual bool StaticText1_MouseDown(fw::Ref<fw::Label> sender, std::int32_t x, std::int32_t y);
    virtual void StaticText1_MouseUp(fw::Ref<fw::Label> sender, std::int32_t x, std::int32_t y);
    virtual void StaticText2_MouseUp(fw::Ref<fw::Label> sender, std::int32_t x, std::int32_t y);
    virtual void StaticText2_MouseExit(fw::Ref<fw::Label> sender);
    virtual void StaticText2_MouseEnter(fw::Ref<fw::Label> sender);
    virtual bool StaticText2_MouseDown(fw::Ref<fw::Label> sender, std::int32_t x, std::int32_t y);

    // Replaces the design's version text with the application's own.
    void Event_Open() override;
};

} // namespace karvelio
