#pragma once

// The road of the process from its entry to the event loop and back, in the
// order main() takes it:
//   fw::RuntimeInit(argc, argv);
//   InitializeModules();
//   Main();
//   FinalizeModules();
//   return fw::RuntimeExit();
namespace karvelio {

// Registers the class records: the framework's, then FileType, then the
// program's Window1, Menu, Class1 and Window2. A record that a first use
// built earlier is kept.
void InitializeModules();

// Start-up through the framework's initialisation, then the event loop until
// the application quits. Any exception that leaves them is reported once and
// Main returns normally, so shut-down still runs.
void Main();

// The start-up callback: the document type, the application object with its
// menu bar, the two menu handlers.
void Startup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();

// Releases the globals, in order: the framework's window lists, the document
// type, the shared menu bar.
void FinalizeModules();

} // namespace karvelio
