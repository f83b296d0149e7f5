#pragma once

#include "framework/core/MenuBar.h"
#include "framework/core/Ref.h"
#include "framework/core/Subclass.h"

namespace karvelio {

// The application's menu bar. One shared instance serves the application and
// every result window; other code finds its items by Name only.
//
// What each Name is:
//   UntitledMenu2  the menu "File"
//     hiraku       "開く", Open (Ctrl+O)
//     FileQuit     "Quit" (Ctrl+Q)
//   UntitledMenu0  the menu "Edit"; its items are never enabled
//     EditUndo     "Undo"
//     UntitledMenu1  a separator line
//     EditCut, EditCopy, EditPaste, EditClear
//     kono         "Karvelio", the about item, appended here but shown in
//                  the application menu
class Menu : public fw::Subclass<Menu, fw::MenuBar> {
public:
    // An empty bar: the items are built by Constructor, which Shared() runs.
    Menu();
    ~Menu() override;

    // "Menu.Menu", under MenuBar: its record is built once, at the latest
    // when Shared() first makes the bar from it.
    static fw::ClassTable<Menu> Table();

    // The shared bar, built on the first call. The global takes it only once
    // it is complete, so a build that raises leaves no half-built bar behind
    // and the next call starts afresh.
    static fw::Ref<Menu> Shared();
    // Shut-down's release of the shared bar; the next Shared() builds a new one.
    static void ExitImplicitInstance();

    // Builds the whole tree: Untitled1, then Untitled2.
    virtual void Constructor();
    // The File menu and its two items.
    virtual void Untitled1();
    // The Edit menu, its six items and the about item at its foot.
    virtual void Untitled2();

private:
    void AppendToMenu(const fw::String& menuName, const fw::Ref<fw::MenuItem>& item);

    static fw::Ref<Menu> _implicitInstance;
};

} // namespace karvelio
