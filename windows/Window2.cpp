#include "windows/Window2.h"

#include "Resources/PictureAccessors.h"
#include "app/App.h"
#include "app/Class1.h"
#include "framework/core/MassPropertySetter.h"
#include "framework/gui/CreateControl.h"
#include "framework/gui/Services.h"
#include "framework/gui/WindowList.h"
#include "windows/LinkLabel.h"
#include "windows/MakerAddresses.h"
#include "windows/Window2Design.h"

namespace karvelio {

fw::ClassTable<Window2> Window2::Table()
{
    using fw::Method;
    return {"Window2.Window2",
            {fw::kPublicScope},
            {
                Method("Layout", &Window2::Layout).Handles("Layout"),
                Method("CreateControls", &Window2::CreateControls).Handles("CreateControls"),
                Method("_CreateControls0", &Window2::CreateControls0).Hidden(),
                Method("PushButton1", &Window2::PushButton1),
                Method("StaticText1", &Window2::StaticText1),
                Method("Canvas1", &Window2::Canvas1),
                Method("StaticText2", &Window2::StaticText2),
                Method("StaticText3", &Window2::StaticText3),
                Method("StaticText5", &Window2::StaticText5),
                Method("PushButton1_Action", &Window2::PushButton1_Action),
                Method("StaticText1_MouseExit", &Window2::StaticText1_MouseExit),
                Method("StaticText1_MouseEnter", &Window2::StaticText1_MouseEnter),
                Method("StaticText1_MouseDown", &Window2::StaticText1_MouseDown),
                Method("StaticText1_MouseUp", &Window2::StaticText1_MouseUp),
                Method("StaticText2_MouseUp", &Window2::StaticText2_MouseUp),
                Method("StaticText2_MouseExit", &Window2::StaticText2_MouseExit),
                Method("StaticText2_MouseEnter", &Window2::StaticText2_MouseEnter),
                Method("StaticText2_MouseDown", &Window2::StaticText2_MouseDown),
                Method("Event_Open", &Window2::Event_Open).Handles("Open"),
            }};
}

// The framework files the new window as the implicit instance before it
// builds it, so a request made while it is being built finds it rather than
// making a second one.
fw::Ref<Window2> Window2::Instance()
{
    return fw::RuntimeCheckCast<Window2>(fw::RuntimeGetImplicitWindow(Lookup()));
}

// No menu bar of its own: while the about window is in front, the
// application's bar stays where the framework shows it.
void Window2::Layout()
{
    fw::SetProperties(shared_from_this(), Window2Design::Get().window.Encode());
}

void Window2::CreateControls()
{
    CreateControls0();
}

void Window2::CreateControls0()
{
    using fw::ControlEvent::Action;
    using fw::ControlEvent::MouseDown;
    using fw::ControlEvent::MouseEnter;
    using fw::ControlEvent::MouseExit;
    using fw::ControlEvent::MouseUp;
    const Window2Design& design = Window2Design::Get();
    fw::CreateControl(*this, design.pushButton1, {{Action, &Window2::PushButton1_Action}});
    fw::CreateControl(*this, design.staticText1,
                      {{MouseExit, &Window2::StaticText1_MouseExit},
                       {MouseEnter, &Window2::StaticText1_MouseEnter},
                       {MouseDown, &Window2::StaticText1_MouseDown},
                       {MouseUp, &Window2::StaticText1_MouseUp}});
    // A logo that fails to load leaves the canvas empty; the rest is built.
    fw::CreateControl(*this, design.canvas1, brelom);
    fw::CreateControl(*this, design.staticText2,
                      {{MouseUp, &Window2::StaticText2_MouseUp},
                       {MouseExit, &Window2::StaticText2_MouseExit},
                       {MouseEnter, &Window2::StaticText2_MouseEnter},
                       {MouseDown, &Window2::StaticText2_MouseDown}});
    fw::CreateControl(*this, design.staticText3);
    fw::CreateControl(*this, design.staticText5);
}

// The about window itself, not the frontmost one: a result window in front
// stays open.
void Window2::PushButton1_Action(fw::Ref<fw::PushButton>)
{
    fw::Deref(Instance(), "about window").Close();
}

void Window2::StaticText1_MouseExit(fw::Ref<fw::Label> sender)
{
    ShowLinkAtRest(sender);
}

void Window2::StaticText1_MouseEnter(fw::Ref<fw::Label> sender)
{
    ShowLinkHovered(sender);
}

// Taking the press is what brings the release to this label.
bool Window2::StaticText1_MouseDown(fw::Ref<fw::Label>, std::int32_t, std::int32_t)
{
    return true;
}

// Wherever the button came up: the label took the press.
void Window2::StaticText1_MouseUp(fw::Ref<fw::Label>, std::int32_t, std::int32_t)
{
    fw::ShowURL(MakerWebLink());
}

void Window2::StaticText2_MouseUp(fw::Ref<fw::Label>, std::int32_t, std::int32_t)
{
    fw::ShowURL(MakerMailLink());
}

void Window2::StaticText2_MouseExit(fw::Ref<fw::Label> sender)
{
    ShowLinkAtRest(sender);
}

void Window2::StaticText2_MouseEnter(fw::Ref<fw::Label> sender)
{
    ShowLinkHovered(sender);
}

bool Window2::StaticText2_MouseDown(fw::Ref<fw::Label>, std::int32_t, std::int32_t)
{
    return true;
}

// The label is looked up before the application object, so a window without
// its version label fails on that, whatever the application's state.
void Window2::Event_Open()
{
    const fw::Ref<fw::Label> version = StaticText5();
    fw::Label& label = fw::Deref(version, "version label StaticText5 of the about window");
    const fw::Ref<Class1> application = App();
    label.SetText("Ver. " + fw::Deref(application, "application object").LongVersion());
}

} // namespace karvelio
