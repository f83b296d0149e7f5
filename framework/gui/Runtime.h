#pragma once

#include <cstdint>
#include <exception>
#include <functional>

namespace fw {

// Start-up and shut-down of the framework, in the order a program's main
// calls them:
//   RuntimeInit(argc, argv);
//   try { RunFrameworkInitialization(startup); RuntimeRun(); }
//   catch (...) { RuntimeUnhandledException(std::current_exception()); }
//   RuntimeReleaseGlobals(); then the program's own globals
//   return RuntimeExit();

// Starts the GUI layer (the Qt application). Arguments that name files
// become OpenDocument events when RuntimeRun starts. Calling it again while
// it is running does nothing.
void RuntimeInit(int argc = 0, char** argv = nullptr);

// Registers the class records of the framework's own classes, in the
// framework's order (RuntimeInit does it; a second call does nothing).
void RegisterFrameworkClasses();

// Initialises the framework and calls `startup` back before any event is
// handled. An exception from `startup` passes to the caller.
void RunFrameworkInitialization(const std::function<void()>& startup);

// Raises the command line's OpenDocument events, one per document, then runs
// the event loop until the application quits. An exception that a
// dispatch kept (a handler that threw) is rethrown here, once.
void RuntimeRun();

// Ends the application: the event loop returns promptly, also while program
// code is inside a RuntimeBackgroundTask loop.
void Quit(std::int32_t code = 0);

// Reports an exception that left the event loop: its class and message on
// standard error and in a message box. Returns when the box is dismissed.
void RuntimeUnhandledException(std::exception_ptr error);

// Releases the framework's globals that hold program objects: the implicit
// window instances and the open windows, which are closed. Runs no program
// code. RuntimeExit does it too, for a program that did not.
void RuntimeReleaseGlobals();

// Closes every window, drops the application object and shuts the GUI layer
// down. Returns the exit status: the code given to Quit, or 1 when an
// unhandled exception was reported and Quit gave 0.
std::int32_t RuntimeExit();

} // namespace fw
