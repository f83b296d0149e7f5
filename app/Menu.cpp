#include "app/Menu.h"

#include <optional>

#include "framework/core/AppleMenuItem.h"
#include "framework/core/QuitMenuItem.h"

namespace karvelio {

namespace {

// One row of the bar. A shortcut of nullopt is never set (the separator
// relies on a new item having none); "" is set, and binds no key.
template <class Item>
fw::Ref<fw::MenuItem> MakeItem(const char* name, bool autoEnable, const char* text,
                               std::optional<const char*> shortcut)
{
    fw::Ref<fw::MenuItem> item = fw::New<Item>();
    item->SetName(name);
    item->SetAutoEnable(autoEnable);
    item->SetText(text);
    if (shortcut) {
        item->SetKeyboardShortcut(*shortcut);
    }
    return item;
}

} // namespace

fw::Ref<Menu> Menu::_implicitInstance;

fw::ClassTable<Menu> Menu::Table()
{
    return {"Menu.Menu",
            {fw::kPublicScope},
            {
                fw::Method("Untitled1", &Menu::Untitled1),
                fw::Method("Untitled2", &Menu::Untitled2),
                fw::Method("Constructor", &Menu::Constructor),
            }};
}

Menu::Menu() = default;

Menu::~Menu() = default;

fw::Ref<Menu> Menu::Shared()
{
    if (!_implicitInstance) {
        const fw::Ref<Menu> menu = fw::RuntimeCheckCast<Menu>(fw::RuntimeNewObject(Lookup()));
        fw::Deref(menu, "new object of class Menu").Constructor();
        _implicitInstance = menu;
    }
    return _implicitInstance;
}

void Menu::ExitImplicitInstance()
{
    _implicitInstance = nullptr;
}

void Menu::Constructor()
{
    Untitled1();
    Untitled2();
}

void Menu::Untitled1()
{
    Append(MakeItem<fw::MenuItem>("UntitledMenu2", false, "File", ""));
    AppendToMenu("UntitledMenu2", MakeItem<fw::MenuItem>("hiraku", false, "開く", "Cmd+O"));
    AppendToMenu("UntitledMenu2", MakeItem<fw::QuitMenuItem>("FileQuit", true, "Quit", "Cmd+Q"));
}

void Menu::Untitled2()
{
    Append(MakeItem<fw::MenuItem>("UntitledMenu0", false, "Edit", ""));
    AppendToMenu("UntitledMenu0", MakeItem<fw::MenuItem>("EditUndo", false, "Undo", "Cmd+Z"));
    AppendToMenu("UntitledMenu0", MakeItem<fw::MenuItem>("UntitledMenu1", false, "-", std::nullopt));
    AppendToMenu("UntitledMenu0", MakeItem<fw::MenuItem>("EditCut", false, "Cut", "Cmd+X"));
    AppendToMenu("UntitledMenu0", MakeItem<fw::MenuItem>("EditCopy", false, "Copy", "Cmd+C"));
    AppendToMenu("UntitledMenu0", MakeItem<fw::MenuItem>("EditPaste", false, "Paste", "Cmd+V"));
    AppendToMenu("UntitledMenu0", MakeItem<fw::MenuItem>("EditClear", false, "Clear", ""));
    AppendToMenu("UntitledMenu0", MakeItem<fw::AppleMenuItem>("kono", false, "Karvelio", ""));
}

// The menu is looked up afresh, by name, for every item; a bar without it
// raises the nil-object exception naming the menu.
void Menu::AppendToMenu(const fw::String& menuName, const fw::Ref<fw::MenuItem>& item)
{
    fw::Deref(Child(menuName), ("menu \"" + menuName + "\" of the menu bar").c_str()).Append(item);
}

} // namespace karvelio
