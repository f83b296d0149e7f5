#include "app/Class1.h"

#include "analysis/VersionAnalysis.h"
#include "app/App.h"
#include "windows/ResultWindowTargets.h"
#include "framework/core/ByteStrings.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/Services.h"
#include "windows/Window1.h"
#include "windows/Window2.h"

namespace karvelio {

fw::ClassTable<Class1> Class1::Table()
{
    return {"Class1",
            {},
            {
                fw::Method("Event_EnableMenuItems", &Class1::Event_EnableMenuItems).Handles("EnableMenuItems"),
                fw::Method("Event_OpenDocument", &Class1::Event_OpenDocument).Handles("OpenDocument"),
                fw::Method("_hiraku_Action", &Class1::_hiraku_Action),
                fw::Method("_kono_Action", &Class1::_kono_Action),
                fw::Method("VersionCheck", &Class1::VersionCheck),
            }};
}

void Class1::Event_EnableMenuItems()
{
    fw::Deref(hiraku(), "menu item hiraku").Enable();
    fw::Deref(kono(), "menu item kono").Enable();
}

void Class1::Event_OpenDocument(fw::Ref<fw::FolderItem> item)
{
    if (item) {
        VersionCheck(item);
    } else {
        CheckChosenDocument();
    }
}

bool Class1::_hiraku_Action()
{
    CheckChosenDocument();
    return false;
}

// The open dialog offers the documents of the type "indd"; cancelling it
// does nothing.
void Class1::CheckChosenDocument()
{
    if (const fw::Ref<fw::FolderItem> chosen = fw::GetOpenFolderItem("indd")) {
        VersionCheck(chosen);
    }
}

bool Class1::_kono_Action()
{
    fw::Deref(Window2::Instance(), "about window").Show();
    return false;
}

// The one handler of the program's own: a document that cannot be read (or
// any other run-time error) ends the run with a message. The window stays as
// far as it was filled. The framework's quit unwinding is no RuntimeException
// and passes, as does any other exception.
void Class1::VersionCheck(fw::Ref<fw::FolderItem> item)
{
    try {
        const fw::Ref<Window1> window = fw::RuntimeCheckCast<Window1>(fw::RuntimeNewObject(Window1::Lookup()));
        fw::Deref(window, "new result window").Constructor();
        window->SetTitle(fw::Deref(item, "document").Name());
        ResultWindowTargets targets(*window);
        AnalyseDocumentVersion(*item, targets);
    } catch (const fw::RuntimeException&) {
        fw::MsgBox("エラーが起こりましたので" + fw::EndOfLine() + "終了します");
        fw::Quit(0);
    }
}

} // namespace karvelio
