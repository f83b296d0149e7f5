#pragma once

#include <cstdint>

#include "framework/core/AppleMenuItem.h"
#include "framework/core/MenuItem.h"
#include "framework/core/QuitMenuItem.h"
#include "framework/core/Subclass.h"
#include "framework/gui/Canvas.h"
#include "framework/gui/Label.h"
#include "framework/gui/PushButton.h"
#include "framework/gui/Window.h"

namespace karvelio {

// The result window: one per examined document, 280 by 150, with the shared
// menu bar. Everything it holds is held by the framework's window; other
// code reaches its controls and menu items through the accessors, which look
// them up by name on every call.
//
// What each name is:
//   PushButton2    the button "閉じる"
//   StaticText1    the program's name, "Karvelio"
//   StaticText2    the release name ("Adobe InDesign CS3")
//   Canvas1        the release's picture, 64 by 64
//   StaticText3    the edition ("Macintosh Edition")
//   StaticText4    the link to the maker's web page
//   StaticText5    the sub-version text
//   UntitledMenu2  the File menu: hiraku ("開く", Open), FileQuit ("Quit")
//   UntitledMenu0  the Edit menu: EditUndo, UntitledMenu1 (a separator),
//                  EditCut, EditCopy, EditPaste, EditClear, and kono (the
//                  about item, shown in the application menu)
class Window1 : public fw::Subclass<Window1, fw::Window> {
public:
    static fw::ClassTable<Window1> Table();

    // Building events: the menu bar and the window's design, then the controls.
    void Layout() override;
    void CreateControls() override;
    virtual void CreateControls0();

    // Controls.
    virtual fw::Ref<fw::PushButton> PushButton2() const { return ControlAs<fw::PushButton>("PushButton2"); }
    virtual fw::Ref<fw::Label> StaticText1() const { return ControlAs<fw::Label>("StaticText1"); }
    virtual fw::Ref<fw::Label> StaticText2() const { return ControlAs<fw::Label>("StaticText2"); }
    virtual fw::Ref<fw::Canvas> Canvas1() const { return ControlAs<fw::Canvas>("Canvas1"); }
    virtual fw::Ref<fw::Label> StaticText3() const { return ControlAs<fw::Label>("StaticText3"); }
    virtual fw::Ref<fw::Label> StaticText4() const { return ControlAs<fw::Label>("StaticText4"); }
    virtual fw::Ref<fw::Label> StaticText5() const { return ControlAs<fw::Label>("StaticText5"); }

    // "閉じる" closes the frontmost window, which need not be this one.
    virtual void PushButton2_Action(fw::Ref<fw::PushButton> sender);
    // The link to the maker's web page: red under the mouse, blue otherwise;
    // it takes every press and opens the page when the button comes up.
    virtual bool StaticText4_MouseDown(fw::Ref<fw::Label> sender, std::int32_t x, std::int32_t y);
    virtual void StaticText4_MouseExit(fw::Ref<fw::Label> sender);
    virtual void StaticText4_MouseEnter(fw::Ref<fw::Label> sender);
    virtual void StaticText4_MouseUp(fw::Ref<fw::Label> sender, std::int32_t x, std::int32_t y);

    // Items of the window's menu bar, by Name.
    virtual fw::Ref<fw::MenuItem> UntitledMenu0() const { return MenuItemAs<fw::MenuItem>("UntitledMenu0"); }
    virtual fw::Ref<fw::AppleMenuItem> kono() const { return MenuItemAs<fw::AppleMenuItem>("kono"); }
    virtual fw::Ref<fw::MenuItem> EditClear() const { return MenuItemAs<fw::MenuItem>("EditClear"); }
    virtual fw::Ref<fw::MenuItem> EditPaste() const { return MenuItemAs<fw::MenuItem>("EditPaste"); }
    virtual fw::Ref<fw::MenuItem> EditCopy() const { return MenuItemAs<fw::MenuItem>("EditCopy"); }
    virtual fw::Ref<fw::MenuItem> EditCut() const { return MenuItemAs<fw::MenuItem>("EditCut"); }
    virtual fw::Ref<fw::MenuItem> UntitledMenu1() const { return MenuItemAs<fw::MenuItem>("UntitledMenu1"); }
    virtual fw::Ref<fw::MenuItem> EditUndo() const { return MenuItemAs<fw::MenuItem>("EditUndo"); }
    virtual fw::Ref<fw::MenuItem> UntitledMenu2() const { return MenuItemAs<fw::MenuItem>("UntitledMenu2"); }
    virtual fw::Ref<fw::QuitMenuItem> FileQuit() const { return MenuItemAs<fw::QuitMenuItem>("FileQuit"); }
    virtual fw::Ref<fw::MenuItem> hiraku() const { return MenuItemAs<fw::MenuItem>("hiraku"); }
};

} // namespace karvelio
