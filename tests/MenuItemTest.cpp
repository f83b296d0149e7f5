// The menu tree as framework data: building, finding by name, and telling
// views about enabled-state changes.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/core/MenuBar.h"
#include "framework/core/MenuItem.h"
#include "framework/core/NilObjectException.h"

namespace fw {
namespace {

Ref<MenuItem> Item(const std::string& name, const std::string& text = "")
{
    Ref<MenuItem> item = New<MenuItem>();
    item->SetName(name);
    item->SetText(text);
    return item;
}

std::vector<std::string> Names(const std::vector<Ref<MenuItem>>& items)
{
    std::vector<std::string> names;
    for (const Ref<MenuItem>& item : items) {
        names.push_back(item->Name());
    }
    return names;
}

// bar
//   a        (menu)
//     a1
//     a2     (submenu)
//       dup
//       deep
//   b        (menu)
//     dup
//     b1
Ref<MenuBar> SampleBar()
{
    Ref<MenuBar> bar = New<MenuBar>();
    Ref<MenuItem> a = Item("a");
    Ref<MenuItem> a2 = Item("a2");
    Ref<MenuItem> b = Item("b");
    bar->Append(a);
    bar->Append(b);
    a->Append(Item("a1"));
    a->Append(a2);
    a2->Append(Item("dup", "first"));
    a2->Append(Item("deep"));
    b->Append(Item("dup", "second"));
    b->Append(Item("b1"));
    return bar;
}

TEST(MenuItem, ANewItemHasNoShortcutAndStartsEnabledWithoutAutoEnable)
{
    MenuItem item;
    EXPECT_FALSE(item.HasKeyboardShortcut());
    EXPECT_EQ(item.KeyboardShortcut(), "");
    EXPECT_FALSE(item.AutoEnable());
    EXPECT_TRUE(item.Enabled());

    item.SetKeyboardShortcut("");
    EXPECT_TRUE(item.HasKeyboardShortcut());
    EXPECT_EQ(item.KeyboardShortcut(), "");
}

TEST(MenuItem, ChildrenKeepAppendOrderAndDescendantsAreDepthFirst)
{
    Ref<MenuBar> bar = SampleBar();
    EXPECT_EQ(Names(bar->Children()), (std::vector<std::string>{ "a", "b" }));
    EXPECT_EQ(bar->Count(), 2);
    EXPECT_EQ(Names(bar->Descendants()),
              (std::vector<std::string>{ "a", "a1", "a2", "dup", "deep", "b", "dup", "b1" }));
}

TEST(MenuItem, ChildSeesDirectChildrenOnlyLookupSeesEveryDepth)
{
    Ref<MenuBar> bar = SampleBar();
    struct Row {
        std::string name;
        bool child;
        bool lookup;
    };
    for (const Row& row : std::vector<Row>{ { "a", true, true },
                                            { "b", true, true },
                                            { "a1", false, true },
                                            { "a2", false, true },
                                            { "deep", false, true },
                                            { "b1", false, true },
                                            { "missing", false, false },
                                            { "A", false, false },
                                            { "", false, false } }) {
        SCOPED_TRACE(row.name);
        Ref<MenuItem> child = bar->Child(row.name);
        Ref<MenuItem> found = bar->Lookup(row.name);
        EXPECT_EQ(child != nullptr, row.child);
        ASSERT_EQ(found != nullptr, row.lookup);
        if (found) {
            EXPECT_EQ(found->Name(), row.name);
        }
    }
}

TEST(MenuItem, LookupFindsTheFirstOfTwoNamesInMenuOrderAndNeverItself)
{
    Ref<MenuBar> bar = SampleBar();
    EXPECT_EQ(bar->Lookup("dup")->Text(), "first");
    EXPECT_EQ(bar->Child("b")->Lookup("dup")->Text(), "second");

    Ref<MenuItem> a = bar->Child("a");
    EXPECT_EQ(a->Lookup("a"), nullptr);
    EXPECT_EQ(a->Lookup("b1"), nullptr);
}

TEST(MenuItem, AppendRefusesNilAndCyclesButAcceptsAnItemInTwoMenus)
{
    Ref<MenuBar> bar = SampleBar();
    Ref<MenuItem> a = bar->Child("a");
    Ref<MenuItem> a2 = bar->Lookup("a2");

    EXPECT_THROW(a->Append(nullptr), NilObjectException);
    EXPECT_THROW(a->Append(a), RuntimeException);
    EXPECT_THROW(a2->Append(a), RuntimeException);
    EXPECT_THROW(a2->Append(bar), RuntimeException);
    EXPECT_EQ(a2->Count(), 2); // refused appends leave the tree as it was

    // Sharing an item is no cycle: both menus show it.
    bar->Child("b")->Append(a2->Child("deep"));
    EXPECT_EQ(bar->Child("b")->Child("deep"), a2->Child("deep"));
}

TEST(MenuItem, ObserversHearChangesOnlyUntilTheirSubscriptionEnds)
{
    MenuItem item;
    std::vector<bool> heard;
    {
        Subscription subscription = item.ObserveEnabled([&heard](bool enabled) { heard.push_back(enabled); });
        item.SetEnabled(false);
        item.SetEnabled(false); // no change, no call
        item.Enable();
        Subscription moved = std::move(subscription);
        item.SetEnabled(false);
    }
    item.Enable();
    EXPECT_EQ(heard, (std::vector<bool>{ false, true, false }));
}

TEST(MenuItem, AnObserverMayCancelAnotherOneWhileBeingCalled)
{
    MenuItem item;
    int secondCalls = 0;
    Subscription second;
    Subscription first = item.ObserveEnabled([&second](bool) { second.Cancel(); });
    second = item.ObserveEnabled([&secondCalls](bool) { ++secondCalls; });

    item.SetEnabled(false);
    item.Enable();
    EXPECT_EQ(secondCalls, 0);
}

// A view may outlive the tree it watched: the item's going releases the
// observer at once, and ending the subscription later is harmless.
TEST(MenuItem, ASubscriptionMayOutliveItsItem)
{
    const auto heldByTheObserver = std::make_shared<int>(0);
    Subscription subscription;
    {
        Ref<MenuItem> item = New<MenuItem>();
        subscription = item->ObserveEnabled([heldByTheObserver](bool) {});
    }
    EXPECT_EQ(heldByTheObserver.use_count(), 1) << "the observer outlived its item";
    subscription.Cancel(); // must not touch the destroyed item
}

TEST(MenuBar, UpdateDisablesEverythingBelowTheBarEnablesAutoEnableThenCallsTheApplication)
{
    Ref<MenuBar> bar = SampleBar();
    bar->Lookup("a1")->SetAutoEnable(true);
    bar->Lookup("deep")->SetAutoEnable(true);
    bar->Lookup("b1")->SetEnabled(true);

    std::vector<std::string> enabledWhenCalled;
    bar->UpdateMenus([&] {
        for (const Ref<MenuItem>& item : bar->Descendants()) {
            if (item->Enabled()) {
                enabledWhenCalled.push_back(item->Name());
            }
        }
        bar->Lookup("b1")->Enable();
    });

    EXPECT_EQ(enabledWhenCalled, (std::vector<std::string>{ "a1", "deep" }));
    std::vector<std::string> enabledAfter;
    for (const Ref<MenuItem>& item : bar->Descendants()) {
        if (item->Enabled()) {
            enabledAfter.push_back(item->Name());
        }
    }
    EXPECT_EQ(enabledAfter, (std::vector<std::string>{ "a1", "deep", "b1" }));
    EXPECT_TRUE(bar->Enabled()); // the bar itself is not an item of a menu
}

TEST(MenuBar, AnExceptionFromTheApplicationPassesOnWithTheFrameworkPartDone)
{
    Ref<MenuBar> bar = SampleBar();
    bar->Lookup("b1")->SetAutoEnable(true);
    bar->Lookup("a1")->Enable();
    EXPECT_THROW(bar->UpdateMenus([] { throw NilObjectException("menu item"); }), NilObjectException);
    EXPECT_FALSE(bar->Lookup("a1")->Enabled());
    EXPECT_TRUE(bar->Lookup("b1")->Enabled());
}

} // namespace
} // namespace fw
