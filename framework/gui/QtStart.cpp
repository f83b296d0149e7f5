#include "framework/gui/QtStart.h"

#include <QApplication>
#include <QSessionManager>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

namespace fw {

namespace {

// Qt's messages while the platform starts, held until it is clear whether
// the start fails: a failure is then told in one line instead of several.
struct HeldMessages {
    std::vector<std::pair<QtMsgType, QString>> messages;
    QtMessageHandler previous = nullptr;
    std::string program = "karvelio";
};

HeldMessages& Held()
{
    static HeldMessages held;
    return held;
}

std::string WhyNoDisplay()
{
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool none = (x11 == nullptr || *x11 == '\0') && (wayland == nullptr || *wayland == '\0');
    if (none) {
        return "no display (DISPLAY is not set)";
    }
    return std::string("the display ") + (x11 != nullptr && *x11 != '\0' ? x11 : wayland) + " cannot be reached";
}

void HoldOrFail(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg) {
        Held().messages.emplace_back(type, message);
        return;
    }
    const std::string& program = Held().program;
    std::cerr << program << ": cannot open its windows: " << WhyNoDisplay()
              << ". Start it in a desktop session, or under a virtual display: xvfb-run -a " << program
              << " [DOCUMENT...]" << std::endl;
    std::_Exit(1);
}

// A desktop session would bring the program back as "PROGRAM -session ID",
// and every argument names a document: the session would open a document
// called "-session" and fail. The program keeps nothing to restore, so it
// asks never to be restarted. The hint is given at every save, whatever the
// save's kind, as Qt hands it to the session manager each time.
void DeclineSessionRestart(QApplication& application)
{
#if QT_CONFIG(sessionmanager)
    const auto never = [](QSessionManager& manager) { manager.setRestartHint(QSessionManager::RestartNever); };
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &application, never);
    QObject::connect(&application, &QGuiApplication::saveStateRequest, &application, never);
#else
    (void)application;
#endif
}

} // namespace

std::unique_ptr<QApplication> StartQtApplication(int& argc, char** argv)
{
    HeldMessages& held = Held();
    if (argc > 0 && argv != nullptr && argv[0] != nullptr) {
        held.program = std::filesystem::path(argv[0]).filename().string();
    }
    held.previous = qInstallMessageHandler(&HoldOrFail);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(held.previous);
    DeclineSessionRestart(*application);
    for (const auto& [type, message] : std::exchange(held.messages, {})) {
        qt_message_output(type, QMessageLogContext(), message);
    }
    return application;
}

} // namespace fw
