#include "app/Startup.h"

#include <utility>

#include "app/App.h"
#include "app/Class1.h"
#include "app/FileTypes.h"
#include "app/Menu.h"
#include "framework/core/Delegate.h"
#include "framework/core/FileType.h"
#include "framework/gui/Runtime.h"
#include "windows/Window1.h"
#include "windows/Window2.h"

namespace karvelio {

void InitializeModules()
{
    fw::RegisterFrameworkClasses();
    fw::FileType::Lookup();
    Window1::Lookup();
    Menu::Lookup();
    Class1::Lookup();
    Window2::Lookup();
}

void Main()
{
    try {
        const auto startup = fw::Delegate<void()>::Function(&Startup);
        fw::RunFrameworkInitialization(startup);
        fw::RuntimeRun();
    } catch (...) {
        fw::RuntimeUnhandledException(std::current_exception());
    }
}

// This framework has no external classes to prepare and no plug-ins, so
// start-up begins with the document type.
void Startup()
{
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
}

void InitFileTypes()
{
    FileTypes::Initialize();
}

// The menu bar goes on before the object is registered: from registration on,
// the framework may show and update it.
void NewAppInstance()
{
    const fw::Ref<Class1> application = fw::RuntimeCheckCast<Class1>(fw::RuntimeNewObject(Class1::Lookup()));
    fw::Deref(application, "new application object").SetMenuBar(Menu::Shared());
    fw::RuntimeRegisterAppObject(application);
}

namespace {

// The menu items the application object handles, by Name, and their methods.
const std::pair<const char*, bool (Class1::*)()> kMenuHandlers[] = {
    {"hiraku", &Class1::_hiraku_Action},
    {"kono", &Class1::_kono_Action},
};

} // namespace

// Added to the object that App() gives, which is why the object is registered
// first. The framework keeps only the method: the delegates may go.
void ApplicationAddMenuHandlers()
{
    for (const auto& [name, handler] : kMenuHandlers) {
        const fw::Ref<Class1> application = App();
        fw::Deref(application, "application object")
            .AddMenuHandler(name, Class1::Methods().Bind(application, handler, fw::Hold::Strong));
    }
}

void FinalizeModules()
{
    fw::RuntimeReleaseGlobals();
    FileTypes::ExitIndd();
    Menu::ExitImplicitInstance();
}

} // namespace karvelio
