#pragma once

#include "framework/core/Application.h"
#include "framework/core/FolderItem.h"
#include "framework/core/Subclass.h"

namespace karvelio {

// The application class; its one instance is the application object. Every
// document, from the desktop or from File > "開く", ends in VersionCheck.
class Class1 : public fw::Subclass<Class1, fw::Application> {
public:
    static fw::ClassTable<Class1> Table();

    // Opens a new result window titled with the document's name and shows in
    // it what the analysis finds. A run-time error on the way shows the
    // failure message and quits the application.
    virtual void VersionCheck(fw::Ref<fw::FolderItem> item);
};

} // namespace karvelio
