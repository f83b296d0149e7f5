#include "framework/gui/Runtime.h"

#include <QApplication>
#include <QMessageBox>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/AppleMenuItem.h"
#include "framework/core/Application.h"
#include "framework/core/ApplicationBundle.h"
#include "framework/core/BackgroundTask.h"
#include "framework/core/FileType.h"
#include "framework/core/FolderItem.h"
#include "framework/core/NeverDestroyed.h"
#include "framework/core/MenuBar.h"
#include "framework/core/QuitMenuItem.h"
#include "framework/core/RuntimeException.h"
#include "framework/gui/ApplicationMenus.h"
#include "framework/gui/Canvas.h"
#include "framework/gui/EventLoop.h"
#include "framework/gui/Label.h"
#include "framework/gui/PushButton.h"
#include "framework/gui/QtImageDecoder.h"
#include "framework/gui/QtStart.h"
#include "framework/gui/QtText.h"
#include "framework/gui/Window.h"
#include "framework/gui/QuitUnwind.h"
#include "framework/gui/WindowList.h"

namespace fw {

namespace {

struct RuntimeState {
    // The command line as it came. Qt is handed the program's name alone:
    // the program has no options, so "-reverse" or "-platform" name
    // documents, not Qt's settings (its environment variables still work).
    // QApplication keeps a reference to its argc and argv: both live here.
    std::vector<std::string> arguments{"karvelio"};
    int qtArgc = 1;
    std::vector<char*> qtArgv;
    std::unique_ptr<QApplication> application;
    bool reportedFailure = false;
};

// Never destroyed: it holds the Qt application.
RuntimeState& State()
{
    return NeverDestroyed<RuntimeState>();
}

// Every argument after the program's name names a document. The bytes are
// taken as they came: file names need not be UTF-8, and Qt's decoded copy of
// the arguments would lose such a name. One that cannot be read still reaches
// the application, whose analysis reports it, rather than vanishing without a
// word. They are raised before the loop's first pass, whose own start-up work
// (session bus, input methods) would otherwise hold the first window back.
void OpenDocumentsFromCommandLine()
{
    const std::vector<std::string>& arguments = State().arguments;
    for (auto argument = std::next(arguments.begin()); argument != arguments.end(); ++argument) {
        std::error_code error;
        const std::filesystem::path given = *argument;
        const std::string path = std::filesystem::absolute(given, error).string();
        EventLoop::Dispatch([path] {
            if (const Ref<Application> application = GetAppObject()) {
                application->Event_OpenDocument(FolderItem::FromPath(path));
            }
        });
    }
}

struct Report {
    std::string className;
    std::string message;
};

Report Describe(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const RuntimeException& e) {
        return {e.ClassName(), e.Message()};
    } catch (const std::exception& e) {
        return {"std::exception", e.what()};
    } catch (...) {
        return {"unknown exception", ""};
    }
}

} // namespace

void RegisterFrameworkClasses()
{
    Object::Lookup();
    Application::Lookup();
    Window::Lookup();
    Control::Lookup();
    RectControl::Lookup();
    PushButton::Lookup();
    Label::Lookup();
    Canvas::Lookup();
    MenuItem::Lookup();
    MenuBar::Lookup();
    QuitMenuItem::Lookup();
    AppleMenuItem::Lookup();
    FolderItem::Lookup();
    FileType::Lookup();
}

void RuntimeInit(int argc, char** argv)
{
    RuntimeState& state = State();
    if (state.application) {
        return;
    }
    if (argc > 0 && argv != nullptr) {
        state.arguments.assign(argv, argv + argc);
    }
    state.qtArgv = {state.arguments.front().data(), nullptr};
    state.qtArgc = 1;
    state.application = StartQtApplication(state.qtArgc, state.qtArgv.data());
    // The run ends by Quit alone: the application lives on with its menu bar
    // when its last window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    const String name = ApplicationName();
    QApplication::setApplicationName(ToQString(name));
    state.reportedFailure = false;
    EventLoop::Reset();
    SetBackgroundTaskHook(&EventLoop::BackgroundTask);
    InstallQtImageDecoder(); // pictures in formats other than PICT
    RegisterFrameworkClasses();
    ApplicationMenus::Install();
}

void RunFrameworkInitialization(const std::function<void()>& startup)
{
    RuntimeInit();
    try {
        startup();
    } catch (const QuitUnwind&) {
        // A quit during start-up: the loop will not run.
    }
}

void RuntimeRun()
{
    RuntimeInit();
    OpenDocumentsFromCommandLine();
    // Start-up has given the application its menu bar by now.
    ApplicationMenus::ScheduleRefresh();
    EventLoop::Run();
}

void Quit(std::int32_t code)
{
    EventLoop::RequestQuit(code);
}

void RuntimeUnhandledException(std::exception_ptr error)
{
    if (!error) {
        return;
    }
    try {
        std::rethrow_exception(error);
    } catch (const QuitUnwind&) {
        return; // a quit is no failure
    } catch (...) {
    }
    const Report report = Describe(error);
    State().reportedFailure = true;
    // Nothing more of the program runs once a failure is being reported:
    // the box's own loop must not deliver queued events to it.
    EventLoop::RequestQuit(EventLoop::ExitCode());
    std::cerr << "Unhandled " << report.className << ": " << report.message << std::endl;
    if (QApplication::instance() == nullptr) {
        return;
    }
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                    QString::fromUtf8("Unhandled " + report.className), QMessageBox::Ok);
    box.setInformativeText(QString::fromUtf8(report.message));
    EventLoop::EnterModalLoop();
    box.exec();
    EventLoop::LeaveModalLoop();
}

void RuntimeReleaseGlobals()
{
    WindowList::CloseAll();
}

std::int32_t RuntimeExit()
{
    RuntimeState& state = State();
    std::int32_t status = EventLoop::ExitCode();
    if (status == 0 && state.reportedFailure) {
        status = 1;
    }
    // The menus go first, so closing the windows brings up no menu window.
    ApplicationMenus::Uninstall();
    WindowList::CloseAll();
    RuntimeRegisterAppObject(nullptr);
    SetBackgroundTaskHook(nullptr);
    if (state.application) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.application.reset();
    }
    EventLoop::Reset();
    state.reportedFailure = false;
    state.arguments.assign(1, "karvelio");
    return status;
}

} // namespace fw
