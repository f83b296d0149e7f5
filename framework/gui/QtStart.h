#pragma once

#include <memory>

class QApplication;

namespace fw {

// Starts Qt's application object. Qt reports a display it cannot reach with
// a fatal message and an abort; here that becomes one line on standard error
// that says what is missing and how to run the program without a desktop,
// and exit status 1. Qt's other messages of the start pass through as usual.
// A desktop session is asked never to restart the program.
// argc and argv must outlive the application: Qt keeps them.
std::unique_ptr<QApplication> StartQtApplication(int& argc, char** argv);

} // namespace fw
