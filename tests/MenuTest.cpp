// The program's menu bar: its eleven items exactly, the shared instance and
// what the menu update makes of them.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <typeinfo>
#include <vector>

#include "app/Menu.h"
#include "framework/core/AppleMenuItem.h"
#include "framework/core/ClassRegistry.h"
#include "framework/core/QuitMenuItem.h"

namespace karvelio {
namespace {

enum class Kind { Item, Quit, Apple };

struct Row {
    const char* parent; // "" for the bar
    Kind kind;
    const char* name;
    const char* text;
    std::optional<const char*> shortcut; // nullopt: never set
    bool autoEnable;
};

const std::vector<Row> kRows = {
    { "", Kind::Item, "UntitledMenu2", "File", "", false },
    { "UntitledMenu2", Kind::Item, "hiraku", "開く", "Cmd+O", false },
    { "UntitledMenu2", Kind::Quit, "FileQuit", "Quit", "Cmd+Q", true },
    { "", Kind::Item, "UntitledMenu0", "Edit", "", false },
    { "UntitledMenu0", Kind::Item, "EditUndo", "Undo", "Cmd+Z", false },
    { "UntitledMenu0", Kind::Item, "UntitledMenu1", "-", std::nullopt, false },
    { "UntitledMenu0", Kind::Item, "EditCut", "Cut", "Cmd+X", false },
    { "UntitledMenu0", Kind::Item, "EditCopy", "Copy", "Cmd+C", false },
    { "UntitledMenu0", Kind::Item, "EditPaste", "Paste", "Cmd+V", false },
    { "UntitledMenu0", Kind::Item, "EditClear", "Clear", "", false },
    { "UntitledMenu0", Kind::Apple, "kono", "Karvelio", "", false },
};

Kind KindOf(const fw::MenuItem& item)
{
    if (typeid(item) == typeid(fw::QuitMenuItem)) {
        return Kind::Quit;
    }
    if (typeid(item) == typeid(fw::AppleMenuItem)) {
        return Kind::Apple;
    }
    EXPECT_EQ(typeid(item), typeid(fw::MenuItem)) << item.Name();
    return Kind::Item;
}

fw::Ref<Menu> BuiltMenu()
{
    fw::Ref<Menu> menu = fw::New<Menu>();
    menu->Constructor();
    return menu;
}

std::vector<std::string> EnabledNames(const fw::MenuBar& bar)
{
    std::vector<std::string> names;
    for (const fw::Ref<fw::MenuItem>& item : bar.Descendants()) {
        if (item->Enabled()) {
            names.push_back(item->Name());
        }
    }
    return names;
}

TEST(Menu, ConstructorBuildsTheElevenItemsInOrderWithTheirValues)
{
    fw::Ref<Menu> menu = BuiltMenu();
    const std::vector<fw::Ref<fw::MenuItem>> items = menu->Descendants();
    ASSERT_EQ(items.size(), kRows.size());

    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const Row& row = kRows[i];
        const fw::MenuItem& item = *items[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(item.Name(), row.name);
        EXPECT_EQ(item.Text(), row.text);
        EXPECT_EQ(item.HasKeyboardShortcut(), row.shortcut.has_value());
        EXPECT_EQ(item.KeyboardShortcut(), row.shortcut.value_or(""));
        EXPECT_EQ(item.AutoEnable(), row.autoEnable);
        EXPECT_EQ(KindOf(item), row.kind);

        // Every name is unique, so each item is found by it, and sits where
        // its row says.
        EXPECT_EQ(menu->Lookup(row.name), items[i]);
        const fw::MenuItem& parent = *row.parent == '\0' ? *menu : *menu->Child(row.parent);
        EXPECT_EQ(parent.Child(row.name), items[i]);
    }
    EXPECT_EQ(menu->Count(), 2);
}

TEST(Menu, TheAboutItemIsFoundFromTheBarButIsNoChildOfIt)
{
    fw::Ref<Menu> menu = BuiltMenu();
    fw::Ref<fw::MenuItem> about = menu->Lookup("kono");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(menu->Child("kono"), nullptr);
    EXPECT_NE(std::dynamic_pointer_cast<fw::AppleMenuItem>(about), nullptr);
    EXPECT_EQ(about->Text(), "Karvelio");
    EXPECT_EQ(menu->Child("UntitledMenu0")->Children().back(), about);
}

TEST(Menu, TheUpdateEnablesQuitAloneThenTheApplicationItsTwoItems)
{
    fw::Ref<Menu> menu = BuiltMenu();
    std::vector<std::string> beforeApplication;
    menu->UpdateMenus([&] {
        beforeApplication = EnabledNames(*menu);
        menu->Lookup("hiraku")->Enable();
        menu->Lookup("kono")->Enable();
    });
    EXPECT_EQ(beforeApplication, (std::vector<std::string>{ "FileQuit" }));
    EXPECT_EQ(EnabledNames(*menu), (std::vector<std::string>{ "hiraku", "FileQuit", "kono" }));

    // Nothing a previous update enabled survives the next one by itself.
    menu->UpdateMenus();
    EXPECT_EQ(EnabledNames(*menu), (std::vector<std::string>{ "FileQuit" }));
}

TEST(Menu, SharedBuildsOnceAndHandsOutTheSameBarUntilReleased)
{
    Menu::ExitImplicitInstance();
    fw::Ref<Menu> first = Menu::Shared();
    const long countAfterFirst = first.use_count();
    fw::Ref<Menu> second = Menu::Shared();
    EXPECT_EQ(first, second);
    EXPECT_EQ(second.use_count(), countAfterFirst + 1);
    EXPECT_EQ(first->Descendants().size(), kRows.size()); // built once, not twice

    fw::WeakRef<Menu> weak = first;
    first.reset();
    second.reset();
    EXPECT_FALSE(weak.expired()); // the global holds it
    Menu::ExitImplicitInstance();
    EXPECT_TRUE(weak.expired());

    fw::Ref<Menu> fresh = Menu::Shared();
    EXPECT_EQ(fresh->Descendants().size(), kRows.size());
    Menu::ExitImplicitInstance();
    Menu::ExitImplicitInstance(); // a second release is harmless
}

TEST(Menu, ItsRecordListsItsThreeMethodsAsPublicAndMakesTheSharedBar)
{
    const fw::ClassRecord& record = Menu::Lookup();
    EXPECT_EQ(&record, &Menu::Lookup()) << "built once";
    EXPECT_EQ(fw::FindClass("Menu.Menu"), &record);
    EXPECT_EQ(fw::FindClass("Menu"), &record);
    ASSERT_NE(record.super, nullptr);
    EXPECT_EQ(record.super, &fw::MenuBar::Lookup());
    EXPECT_TRUE(record.IsA(fw::MenuItem::Lookup()));

    const fw::ClassAttribute publicScope{"__Scope", "Public", true};
    EXPECT_EQ(record.attributes, std::vector<fw::ClassAttribute>{publicScope});
    std::vector<std::string> methods;
    for (const fw::OperationInfo& operation : record.operations) {
        methods.push_back(operation.name);
        EXPECT_EQ(operation.signature, "%%") << operation.name;
        EXPECT_EQ(operation.attributes, std::vector<fw::ClassAttribute>{publicScope}) << operation.name;
    }
    EXPECT_EQ(methods, (std::vector<std::string>{"Untitled1", "Untitled2", "Constructor"}));

    Menu::ExitImplicitInstance();
    const fw::Ref<Menu> shared = Menu::Shared();
    EXPECT_EQ(&shared->Class(), &record);
    EXPECT_TRUE(fw::RuntimeObjectIsa(shared, fw::MenuBar::Lookup()));
    Menu::ExitImplicitInstance();
}

// What the accessors of the application and the result window rely on:
// each item, found by name, casts to its own class and to none beside it.
TEST(Menu, ItemsCastToTheirOwnClassOnly)
{
    const fw::Ref<Menu> menu = BuiltMenu();
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        const fw::Ref<fw::MenuItem> item = menu->Lookup(row.name);
        EXPECT_EQ(fw::RuntimeCheckCast<fw::MenuItem>(item), item);
        EXPECT_EQ(fw::RuntimeCheckCast<fw::QuitMenuItem>(item) != nullptr, row.kind == Kind::Quit);
        EXPECT_EQ(fw::RuntimeCheckCast<fw::AppleMenuItem>(item) != nullptr, row.kind == Kind::Apple);
        EXPECT_EQ(fw::RuntimeCheckCast<fw::MenuBar>(item), nullptr);
    }
    EXPECT_EQ(fw::RuntimeCheckCast<fw::MenuItem>(fw::Ref<fw::MenuItem>{}), nullptr);
}

} // namespace
} // namespace karvelio
