// The Qt view of a shared menu tree: what the bar shows, how views follow
// the tree's enabled states, and what reaches the application when an item
// is chosen.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QTest>

#include "app/Menu.h"
#include "framework/core/AppleMenuItem.h"
#include "framework/gui/MenuBarView.h"

namespace fw {
namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { m_app = std::make_unique<QApplication>(m_argc, m_argv); }
    void TearDown() override { m_app.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "menu-view-tests";
    char* m_argv[2] = { m_name, nullptr };
    std::unique_ptr<QApplication> m_app;
};

[[maybe_unused]] ::testing::Environment* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

Ref<karvelio::Menu> BuiltMenu()
{
    Ref<karvelio::Menu> menu = New<karvelio::Menu>();
    menu->Constructor();
    return menu;
}

// What a menu shows, one line per entry: "text|shortcut", "---" for a line.
std::vector<QString> Lines(const QWidget& menu)
{
    std::vector<QString> lines;
    for (const QAction* action : menu.actions()) {
        lines.push_back(action->isSeparator()
                            ? QStringLiteral("---")
                            : action->text() + u'|' + action->shortcut().toString(QKeySequence::PortableText));
    }
    return lines;
}

QMenu* MenuAt(const QMenuBar& bar, qsizetype index)
{
    return bar.actions().at(index)->menu();
}

void RunApplicationUpdate(MenuBar& bar)
{
    bar.UpdateMenus([&bar] {
        bar.Lookup("hiraku")->Enable();
        bar.Lookup("kono")->Enable();
    });
}

TEST(MenuBarView, ShowsTheApplicationMenuFirstThenFileAndEdit)
{
    MenuBarView view(BuiltMenu(), QStringLiteral("Karvelio"));
    ASSERT_EQ(view.actions().size(), 3);
    EXPECT_EQ(view.actions().at(0)->text(), QStringLiteral("Karvelio"));
    EXPECT_EQ(view.actions().at(1)->text(), QStringLiteral("File"));
    EXPECT_EQ(view.actions().at(2)->text(), QStringLiteral("Edit"));
    EXPECT_EQ(MenuAt(view, 0), view.ApplicationMenu());

    EXPECT_EQ(Lines(*MenuAt(view, 0)), (std::vector<QString>{ QStringLiteral("Karvelio|") }));
    EXPECT_EQ(Lines(*MenuAt(view, 1)),
              (std::vector<QString>{ QStringLiteral("開く|Ctrl+O"), QStringLiteral("Quit|Ctrl+Q") }));
    // The about item was appended last to Edit, and is not shown there.
    EXPECT_EQ(Lines(*MenuAt(view, 2)),
              (std::vector<QString>{ QStringLiteral("Undo|Ctrl+Z"), QStringLiteral("---"),
                                     QStringLiteral("Cut|Ctrl+X"), QStringLiteral("Copy|Ctrl+C"),
                                     QStringLiteral("Paste|Ctrl+V"), QStringLiteral("Clear|") }));
}

TEST(MenuBarView, TwoViewsOfOneTreeFollowEveryEnabledChange)
{
    Ref<karvelio::Menu> menu = BuiltMenu();
    MenuBarView first(menu, QStringLiteral("Karvelio"));
    MenuBarView second(menu, QStringLiteral("Karvelio"));

    RunApplicationUpdate(*menu);
    for (const MenuBarView* view : { &first, &second }) {
        for (const Ref<MenuItem>& item : menu->Descendants()) {
            QAction* action = view->ActionFor(*item);
            if (action == nullptr) {
                continue; // the two menus and the separator
            }
            EXPECT_EQ(action->isEnabled(), item->Enabled()) << item->Name();
        }
        EXPECT_TRUE(view->ActionFor(*menu->Lookup("FileQuit"))->isEnabled());
        EXPECT_FALSE(view->ActionFor(*menu->Lookup("EditCopy"))->isEnabled());
        // Menus stay openable although nothing enables their own items.
        EXPECT_TRUE(MenuAt(*view, 1)->menuAction()->isEnabled());
    }

    menu->Lookup("hiraku")->SetEnabled(false);
    EXPECT_FALSE(first.ActionFor(*menu->Lookup("hiraku"))->isEnabled());
    EXPECT_FALSE(second.ActionFor(*menu->Lookup("hiraku"))->isEnabled());
}

TEST(MenuBarView, AViewGoneBeforeItsTreeIsNoLongerTold)
{
    Ref<karvelio::Menu> menu = BuiltMenu();
    auto view = std::make_unique<MenuBarView>(menu, QStringLiteral("Karvelio"));
    view.reset();
    RunApplicationUpdate(*menu); // would reach freed actions if still observed
    MenuBarView other(menu, QStringLiteral("Karvelio"));
    EXPECT_TRUE(other.ActionFor(*menu->Lookup("kono"))->isEnabled());
}

TEST(MenuBarView, ATriggeredActionReportsItsItemUnlessTheItemIsDisabled)
{
    Ref<karvelio::Menu> menu = BuiltMenu();
    MenuBarView view(menu, QStringLiteral("Karvelio"));
    std::vector<std::string> reported;
    view.SetTriggeredHandler([&reported](const Ref<MenuItem>& item) { reported.push_back(item->Name()); });
    RunApplicationUpdate(*menu);

    view.ActionFor(*menu->Lookup("hiraku"))->trigger();
    view.ActionFor(*menu->Lookup("kono"))->trigger();
    view.ActionFor(*menu->Lookup("FileQuit"))->trigger();
    view.ActionFor(*menu->Lookup("EditCut"))->trigger();
    EXPECT_EQ(reported, (std::vector<std::string>{ "hiraku", "kono", "FileQuit" }));
}

TEST(MenuBarView, ShortcutsReachTheItemThroughTheWindow)
{
    Ref<karvelio::Menu> menu = BuiltMenu();
    QMainWindow window;
    auto* view = new MenuBarView(menu, QStringLiteral("Karvelio"));
    window.setMenuBar(view);
    std::vector<std::string> reported;
    view->SetTriggeredHandler([&reported](const Ref<MenuItem>& item) { reported.push_back(item->Name()); });
    RunApplicationUpdate(*menu);

    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier); // disabled: nothing
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(reported, (std::vector<std::string>{ "hiraku", "FileQuit" }));
}

TEST(MenuBarView, TheUpdateRunAsAMenuOpensShowsInThatMenu)
{
    Ref<karvelio::Menu> menu = BuiltMenu();
    MenuBarView view(menu, QStringLiteral("Karvelio"));
    int updates = 0;
    view.SetAboutToShowHandler([&] {
        ++updates;
        RunApplicationUpdate(*menu);
    });
    QAction* open = view.ActionFor(*menu->Lookup("hiraku"));
    menu->Lookup("hiraku")->SetEnabled(false);

    for (qsizetype index = 0; index < 3; ++index) {
        QMenu* shown = MenuAt(view, index);
        shown->popup(QPoint(0, 0));
        shown->hide();
    }
    EXPECT_EQ(updates, 3);
    EXPECT_TRUE(open->isEnabled());
    EXPECT_FALSE(view.ActionFor(*menu->Lookup("EditUndo"))->isEnabled());
}

TEST(MenuBarView, AppleItemsAtAnyDepthMoveToTheApplicationMenuAndNestedMenusNest)
{
    Ref<MenuBar> bar = New<MenuBar>();
    auto item = [](const char* name, const char* text, Ref<MenuItem> made = New<MenuItem>()) {
        made->SetName(name);
        made->SetText(text);
        return made;
    };
    Ref<MenuItem> tools = item("tools", "Tools & More");
    Ref<MenuItem> deeper = item("deeper", "Deeper");
    bar->Append(tools);
    bar->Append(item("top", "Top"));
    tools->Append(deeper);
    deeper->Append(item("about", "About", New<AppleMenuItem>()));
    deeper->Append(item("leaf", "Leaf"));

    MenuBarView view(bar, QStringLiteral("App & Co"));
    ASSERT_EQ(view.actions().size(), 3);
    EXPECT_EQ(view.ApplicationMenu()->title(), QStringLiteral("App && Co"));
    EXPECT_EQ(Lines(*view.ApplicationMenu()), (std::vector<QString>{ QStringLiteral("About|") }));
    EXPECT_EQ(view.actions().at(1)->text(), QStringLiteral("Tools && More"));
    EXPECT_EQ(view.actions().at(2)->menu(), nullptr); // a top-level command
    QMenu* nested = MenuAt(view, 1)->actions().at(0)->menu();
    ASSERT_NE(nested, nullptr);
    EXPECT_EQ(Lines(*nested), (std::vector<QString>{ QStringLiteral("Leaf|") }));

    MenuBarView plain(New<MenuBar>(), QStringLiteral("App"));
    EXPECT_EQ(plain.ApplicationMenu(), nullptr);
    EXPECT_TRUE(plain.actions().isEmpty());
}

TEST(MenuBarView, ShortcutTextsBecomeKeySequencesWithCommandAsControl)
{
    struct Row {
        const char* text;
        QKeySequence expected;
    };
    const Row rows[] = {
        { "Cmd+O", QKeySequence(Qt::CTRL | Qt::Key_O) },
        { "cmd+q", QKeySequence(Qt::CTRL | Qt::Key_Q) },
        { "Cmd+Shift+S", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S) },
        { "Option+Cmd+X", QKeySequence(Qt::ALT | Qt::CTRL | Qt::Key_X) },
        { "Ctrl+A", QKeySequence(Qt::META | Qt::Key_A) },
        { "Cmd++", QKeySequence(Qt::CTRL | Qt::Key_Plus) },
        { "F1", QKeySequence(Qt::Key_F1) },
        { "", QKeySequence() },
        { "Cmd+", QKeySequence() },
        { "Hyper+O", QKeySequence() },
        { "Cmd+NoSuchKey", QKeySequence() },
        { "Cmd+O,Cmd+P", QKeySequence() },
    };
    for (const Row& row : rows) {
        EXPECT_EQ(MenuBarView::KeySequenceFor(row.text), row.expected)
            << '"' << row.text << "\" gave " << MenuBarView::KeySequenceFor(row.text).toString().toStdString();
    }
}

} // namespace
} // namespace fw
