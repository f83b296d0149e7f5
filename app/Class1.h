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

    // "開く" and the about item are enabled at every menu update, the Open
    // item first; the framework has already enabled Quit.
    void Event_EnableMenuItems() override;
    // A document from the desktop is examined at once; with none, the open
    // dialog asks for one (cancelling it does nothing).
    void Event_OpenDocument(fw::Ref<fw::FolderItem> item) override;
    // File > "開く": the open dialog, then the chosen document. False.
    virtual bool _hiraku_Action();
    // The about item: the one about window, shown in front. False.
    virtual bool _kono_Action();

    // Opens a new result window titled with the document's name and shows in
    // it what the analysis finds. A run-time error on the way shows the
    // failure message and quits the application.
    virtual void VersionCheck(fw::Ref<fw::FolderItem> item);

private:
    void CheckChosenDocument();
};

} // namespace karvelio
