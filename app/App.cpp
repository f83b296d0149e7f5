#include "app/App.h"

#include "app/Class1.h"
#include "framework/core/MenuBar.h"

namespace karvelio {

namespace {

template <class T>
fw::Ref<T> ApplicationMenuItem(const fw::String& name)
{
    const fw::Ref<Class1> application = App();
    const fw::Ref<fw::MenuBar> bar = fw::Deref(application, "application object").MenuBar();
    return fw::Deref(bar, "menu bar of the application").LookupAs<T>(name);
}

} // namespace

fw::Ref<Class1> App()
{
    return fw::RuntimeCheckCast<Class1>(fw::GetAppObject());
}

fw::Ref<fw::AppleMenuItem> kono()
{
    return ApplicationMenuItem<fw::AppleMenuItem>("kono");
}

fw::Ref<fw::MenuItem> hiraku()
{
    return ApplicationMenuItem<fw::MenuItem>("hiraku");
}

} // namespace karvelio
