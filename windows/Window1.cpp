#include "windows/Window1.h"

#include "app/Menu.h"
#include "framework/core/MassPropertySetter.h"
#include "framework/gui/CreateControl.h"
#include "framework/gui/Services.h"
#include "framework/gui/WindowList.h"
#include "windows/LinkLabel.h"
#include "windows/MakerAddresses.h"
#include "windows/Window1Design.h"

namespace karvelio {

fw::ClassTable<Window1> Window1::Table()
{
    using fw::Method;
    return {"Window1.Window1",
            {fw::kPublicScope},
            {
                Method("Layout", &Window1::Layout).Handles("Layout"),
                Method("CreateControls", &Window1::CreateControls).Handles("CreateControls"),
                Method("_CreateControls0", &Window1::CreateControls0).Hidden(),
                Method("PushButton2", &Window1::PushButton2),
                Method("StaticText1", &Window1::StaticText1),
                Method("StaticText2", &Window1::StaticText2),
                Method("Canvas1", &Window1::Canvas1),
                Method("StaticText3", &Window1::StaticText3),
                Method("StaticText4", &Window1::StaticText4),
                Method("StaticText5", &Window1::StaticText5),
                Method("PushButton2_Action", &Window1::PushButton2_Action),
                Method("StaticText4_MouseDown", &Window1::StaticText4_MouseDown),
                Method("StaticText4_MouseExit", &Window1::StaticText4_MouseExit),
                Method("StaticText4_MouseEnter", &Window1::StaticText4_MouseEnter),
                Method("StaticText4_MouseUp", &Window1::StaticText4_MouseUp),
                Method("UntitledMenu0", &Window1::UntitledMenu0),
                Method("kono", &Window1::kono),
                Method("EditClear", &Window1::EditClear),
                Method("EditPaste", &Window1::EditPaste),
                Method("EditCopy", &Window1::EditCopy),
                Method("EditCut", &Window1::EditCut),
                Method("UntitledMenu1", &Window1::UntitledMenu1),
                Method("EditUndo", &Window1::EditUndo),
                Method("UntitledMenu2", &Window1::UntitledMenu2),
                Method("FileQuit", &Window1::FileQuit),
                Method("hiraku", &Window1::hiraku),
            }};
}

// The bar goes on before the design, so its MenuBarVisible and Visible
// entries act on a window that has its bar.
void Window1::Layout()
{
    SetMenuBar(Menu::Shared());
    fw::SetProperties(shared_from_this(), Window1Design::Get().window.Encode());
}

void Window1::CreateControls()
{
    CreateControls0();
}

void Window1::CreateControls0()
{
    using fw::ControlEvent::Action;
    using fw::ControlEvent::MouseDown;
    using fw::ControlEvent::MouseEnter;
    using fw::ControlEvent::MouseExit;
    using fw::ControlEvent::MouseUp;
    const Window1Design& design = Window1Design::Get();
    fw::CreateControl(*this, design.pushButton2, {{Action, &Window1::PushButton2_Action}});
    fw::CreateControl(*this, design.staticText1);
    fw::CreateControl(*this, design.staticText2);
    fw::CreateControl(*this, design.canvas1);
    fw::CreateControl(*this, design.staticText3);
    fw::CreateControl(*this, design.staticText4,
                      {{MouseDown, &Window1::StaticText4_MouseDown},
                       {MouseExit, &Window1::StaticText4_MouseExit},
                       {MouseEnter, &Window1::StaticText4_MouseEnter},
                       {MouseUp, &Window1::StaticText4_MouseUp}});
    fw::CreateControl(*this, design.staticText5);
}

void Window1::PushButton2_Action(fw::Ref<fw::PushButton>)
{
    fw::Deref(fw::WindowAt(0), "frontmost window").Close();
}

bool Window1::StaticText4_MouseDown(fw::Ref<fw::Label>, std::int32_t, std::int32_t)
{
    return true;
}

void Window1::StaticText4_MouseExit(fw::Ref<fw::Label> sender)
{
    ShowLinkAtRest(sender);
}

void Window1::StaticText4_MouseEnter(fw::Ref<fw::Label> sender)
{
    ShowLinkHovered(sender);
}

// Wherever the button came up: the label took the press.
void Window1::StaticText4_MouseUp(fw::Ref<fw::Label>, std::int32_t, std::int32_t)
{
    fw::ShowURL(MakerWebLink());
}

} // namespace karvelio
