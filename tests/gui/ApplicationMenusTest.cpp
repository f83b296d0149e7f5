// The menus on real Qt widgets: which window shows the shared bar, the menu
// update before a menu opens and before a shortcut is taken, what choosing an
// item does, the application's own menu window, and the open dialog of the
// program's document type.

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QTest>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/FileTypes.h"
#include "app/Menu.h"
#include "framework/core/Application.h"
#include "framework/core/Delegate.h"
#include "framework/gui/ApplicationMenus.h"
#include "framework/gui/EventLoop.h"
#include "framework/gui/MenuBarView.h"
#include "framework/gui/Services.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TempDir.h"

namespace fw::test {
namespace {

using karvelio::Menu;

// Enables the Open and about items, as the program's application does, and
// counts what reaches it.
class TestApp : public Application {
public:
    void Event_EnableMenuItems() override
    {
        ++updates;
        if (failUpdate) {
            throw std::runtime_error("update failed");
        }
        Deref(Deref(MenuBar()).Lookup("hiraku")).Enable();
        Deref(Deref(MenuBar()).Lookup("kono")).Enable();
    }
    bool Open()
    {
        ++opened;
        return false;
    }
    bool About()
    {
        ++about;
        return false;
    }
    bool Undo()
    {
        ++undone;
        return false;
    }
    bool KeepRunning()
    {
        ++quitAsked;
        return true;
    }

    int updates = 0;
    int opened = 0;
    int about = 0;
    int undone = 0;
    int quitAsked = 0;
    bool failUpdate = false;
};

const std::vector<std::string> kEnabledAfterUpdate{"hiraku", "FileQuit", "kono"};

class ApplicationMenusTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        Menu::ExitImplicitInstance();
        app = New<TestApp>();
        app->SetMenuBar(Menu::Shared());
        RuntimeRegisterAppObject(app);
        app->AddMenuHandler("hiraku", Delegate<bool()>::Bind(app, &TestApp::Open, "(  ) as Boolean", false));
        app->AddMenuHandler("kono", Delegate<bool()>::Bind(app, &TestApp::About, "(  ) as Boolean", false));
        app->AddMenuHandler("EditUndo", Delegate<bool()>::Bind(app, &TestApp::Undo, "(  ) as Boolean", false));
    }
    void TearDown() override
    {
        app.reset();
        GuiTest::TearDown();
        Menu::ExitImplicitInstance();
        karvelio::FileTypes::ExitIndd();
    }

    static Ref<TestWindow> WindowWithBar(bool menuBarVisible = true)
    {
        auto window = MakeWindow("", [](TestWindow& w) { w.SetMenuBar(Menu::Shared()); });
        window->SetMenuBarVisible(menuBarVisible);
        Settle();
        return window;
    }

    // Every item off, so only an update can switch them on again.
    static void SwitchEverythingOff()
    {
        for (const Ref<MenuItem>& item : Menu::Shared()->Descendants()) {
            item->SetEnabled(false);
        }
    }

    static std::vector<std::string> EnabledNames()
    {
        std::vector<std::string> names;
        for (const Ref<MenuItem>& item : Menu::Shared()->Descendants()) {
            if (item->Enabled()) {
                names.push_back(item->Name());
            }
        }
        return names;
    }

    static MenuBarView* MenuWindowView()
    {
        QMainWindow* window = ApplicationMenus::MenuWindow();
        return window != nullptr ? dynamic_cast<MenuBarView*>(window->menuWidget()) : nullptr;
    }

    static bool MenuWindowShown()
    {
        return ApplicationMenus::MenuWindow() != nullptr && ApplicationMenus::MenuWindow()->isVisible();
    }

    // Opens the view's menu at `index` the way a click does, and closes it.
    static void OpenMenu(MenuBarView& view, qsizetype index)
    {
        QMenu* menu = view.actions().at(index)->menu();
        ASSERT_NE(menu, nullptr);
        menu->popup(QPoint(0, 0));
        Settle();
        menu->hide();
    }

    static QAction& ActionOf(const MenuBarView& view, const char* name)
    {
        QAction* action = view.ActionFor(*Menu::Shared()->Lookup(name));
        EXPECT_NE(action, nullptr) << name;
        return *action;
    }

    Ref<TestApp> app;
};

TEST_F(ApplicationMenusTest, WithNoWindowOpenTheMenuWindowShowsTheApplicationsBar)
{
    Settle();
    ASSERT_TRUE(MenuWindowShown());
    EXPECT_EQ(ApplicationMenus::MenuWindow()->windowTitle(), "Karvelio");
    MenuBarView* view = MenuWindowView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->Bar(), Menu::Shared());
    QStringList titles;
    for (const QAction* action : view->actions()) {
        titles.append(action->text());
    }
    EXPECT_EQ(titles, (QStringList{"Karvelio", "File", "Edit"}));

    // Opening any of the three menus runs the whole update.
    for (qsizetype index = 0; index < 3; ++index) {
        SwitchEverythingOff();
        const int updatesBefore = app->updates;
        OpenMenu(*view, index);
        EXPECT_EQ(app->updates, updatesBefore + 1) << index;
        EXPECT_EQ(EnabledNames(), kEnabledAfterUpdate) << index;
    }
    for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"}) {
        EXPECT_FALSE(ActionOf(*view, name).isEnabled()) << name;
    }
    EXPECT_TRUE(ActionOf(*view, "hiraku").isEnabled());
    EXPECT_TRUE(ActionOf(*view, "kono").isEnabled());
}

TEST_F(ApplicationMenusTest, AWindowShowingTheBarTakesThePlaceOfTheMenuWindow)
{
    Settle();
    ASSERT_TRUE(MenuWindowShown());
    const auto window = WindowWithBar();
    EXPECT_FALSE(MenuWindowShown());
    MenuBarView* view = ApplicationMenus::ViewOf(*window);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->Bar(), Menu::Shared());
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(EnabledNames(), kEnabledAfterUpdate) << "a new view shows the update's states";

    SwitchEverythingOff();
    OpenMenu(*view, 2); // Edit
    EXPECT_EQ(EnabledNames(), kEnabledAfterUpdate);
    EXPECT_FALSE(ActionOf(*view, "EditPaste").isEnabled());
    EXPECT_TRUE(ActionOf(*view, "FileQuit").isEnabled());

    // Closing the last window that shows a bar brings the menu window back.
    window->Close();
    Settle();
    EXPECT_TRUE(MenuWindowShown());
}

// No event has run since start-up, so no other update has run either: the
// view must not wait for one before it shows what the update decides.
TEST_F(ApplicationMenusTest, ANewViewShowsTheUpdatesStatesBeforeAnyEventIsProcessed)
{
    for (const Ref<MenuItem>& item : Menu::Shared()->Descendants()) {
        item->Enable();
    }
    const auto window = MakeWindow("", [](TestWindow& w) { w.SetMenuBar(Menu::Shared()); });
    const MenuBarView* view = ApplicationMenus::ViewOf(*window);
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(ActionOf(*view, "EditPaste").isEnabled()) << "not AutoEnable";
    EXPECT_TRUE(ActionOf(*view, "FileQuit").isEnabled()) << "AutoEnable";
    EXPECT_TRUE(ActionOf(*view, "hiraku").isEnabled()) << "enabled by EnableMenuItems";
}

TEST_F(ApplicationMenusTest, OnlyAWindowThatShowsItsBarCounts)
{
    const auto hidden = WindowWithBar(false);
    EXPECT_TRUE(MenuWindowShown()) << "MenuBarVisible False";
    hidden->SetMenuBarVisible(true);
    Settle();
    EXPECT_FALSE(MenuWindowShown());
    hidden->SetVisible(false);
    Settle();
    EXPECT_TRUE(MenuWindowShown()) << "a hidden window shows nothing";

    const auto bare = MakeWindow("");
    Settle();
    EXPECT_TRUE(MenuWindowShown()) << "a window without a menu bar";
    EXPECT_EQ(ApplicationMenus::ViewOf(*bare), nullptr);
}

TEST_F(ApplicationMenusTest, TwoWindowsShowOneTree)
{
    const auto first = WindowWithBar();
    const auto second = WindowWithBar();
    MenuBarView* firstView = ApplicationMenus::ViewOf(*first);
    MenuBarView* secondView = ApplicationMenus::ViewOf(*second);
    ASSERT_NE(firstView, nullptr);
    ASSERT_NE(secondView, nullptr);
    EXPECT_NE(firstView, secondView);
    EXPECT_EQ(firstView->Bar(), secondView->Bar());
    EXPECT_EQ(first->MenuBar(), app->MenuBar());

    Menu::Shared()->Lookup("hiraku")->SetEnabled(false);
    EXPECT_FALSE(ActionOf(*firstView, "hiraku").isEnabled());
    EXPECT_FALSE(ActionOf(*secondView, "hiraku").isEnabled());
    Menu::Shared()->Lookup("EditCut")->Enable();
    EXPECT_TRUE(ActionOf(*firstView, "EditCut").isEnabled());
    EXPECT_TRUE(ActionOf(*secondView, "EditCut").isEnabled());
}

TEST_F(ApplicationMenusTest, ALaterMenuBarReplacesTheViewAndNilRemovesIt)
{
    const auto window = WindowWithBar();
    const auto other = New<MenuBar>();
    auto file = New<MenuItem>();
    file->SetName("file");
    file->SetText("File");
    other->Append(file);

    window->SetMenuBar(other);
    ASSERT_NE(ApplicationMenus::ViewOf(*window), nullptr);
    EXPECT_EQ(ApplicationMenus::ViewOf(*window)->Bar(), other);

    window->SetMenuBar(nullptr);
    Settle();
    EXPECT_EQ(ApplicationMenus::ViewOf(*window), nullptr);
    EXPECT_TRUE(MenuWindowShown());
}

// Where the key is pressed.
enum class KeyWindow { WithTheBar, TheMenuWindow, WithoutABar };

struct ShortcutCase {
    const char* label;
    KeyWindow in;
    Qt::Key key;
    bool quits;
    int opened;
    Qt::KeyboardModifiers modifiers = Qt::ControlModifier;
    bool bound = true; // the key is an item's: the update runs for it
};

void PrintTo(const ShortcutCase& c, std::ostream* out)
{
    *out << c.label;
}

class ShortcutTest : public ApplicationMenusTest, public testing::WithParamInterface<ShortcutCase> {};

// Every item is off when the key comes: only the update that runs before Qt
// matches the key can make the shortcut work.
TEST_P(ShortcutTest, TheUpdateRunsBeforeTheShortcutIsTaken)
{
    const ShortcutCase& c = GetParam();
    Ref<TestWindow> window;
    QMainWindow* target = nullptr;
    Settle();
    if (c.in == KeyWindow::TheMenuWindow) {
        target = ApplicationMenus::MenuWindow();
    } else {
        // A window without a bar leaves the menu window shown beside it.
        window = c.in == KeyWindow::WithTheBar ? WindowWithBar() : MakeWindow("");
        target = window->NativeWindow();
    }
    ASSERT_NE(target, nullptr);
    ASSERT_TRUE(target->isVisible());
    target->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(target));

    SwitchEverythingOff();
    const int updatesBefore = app->updates;
    // With no text: keyClick cannot make an event without a key.
    QTest::sendKeyEvent(QTest::Click, target, c.key, QString(), c.modifiers);
    Settle();
    EXPECT_EQ(EventLoop::QuitRequested(), c.quits);
    EXPECT_EQ(app->opened, c.opened);
    EXPECT_EQ(app->about, 0) << "the about item has no shortcut";
    EXPECT_EQ(app->updates > updatesBefore, c.bound);
    EXPECT_EQ(app->undone, 0) << "Undo is never enabled";
    EXPECT_EQ(EventLoop::PendingException(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ShortcutTest,
    testing::Values(ShortcutCase{"CtrlQInAWindow", KeyWindow::WithTheBar, Qt::Key_Q, true, 0},
                    ShortcutCase{"CtrlOInAWindow", KeyWindow::WithTheBar, Qt::Key_O, false, 1},
                    ShortcutCase{"CtrlQInTheMenuWindow", KeyWindow::TheMenuWindow, Qt::Key_Q, true, 0},
                    ShortcutCase{"CtrlOInTheMenuWindow", KeyWindow::TheMenuWindow, Qt::Key_O, false, 1},
                    // The application's bar answers a window that shows none.
                    ShortcutCase{"CtrlQInAWindowWithoutABar", KeyWindow::WithoutABar, Qt::Key_Q, true, 0},
                    ShortcutCase{"CtrlOInAWindowWithoutABar", KeyWindow::WithoutABar, Qt::Key_O, false, 1},
                    // Undo is bound but never enabled: the key does nothing.
                    ShortcutCase{"CtrlZDoesNothing", KeyWindow::WithTheBar, Qt::Key_Z, false, 0},
                    ShortcutCase{"CtrlZDoesNothingWithoutABar", KeyWindow::WithoutABar, Qt::Key_Z, false, 0},
                    // A key event without a key (one the keyboard layout does
                    // not name) is no item's shortcut.
                    ShortcutCase{"NoKeyDoesNothingWithoutABar", KeyWindow::WithoutABar, Qt::Key(0), false, 0,
                                 Qt::NoModifier, false}),
    [](const testing::TestParamInfo<ShortcutCase>& param) { return std::string(param.param.label); });

struct ChoiceCase {
    const char* label;
    const char* item;
    bool quitHandledByApplication;
    int opened;
    int about;
    int quitAsked;
    bool quits;
};

void PrintTo(const ChoiceCase& c, std::ostream* out)
{
    *out << c.label;
}

class ChoiceTest : public ApplicationMenusTest, public testing::WithParamInterface<ChoiceCase> {};

TEST_P(ChoiceTest, ChoosingAnItemCallsItsHandlerOrQuits)
{
    const ChoiceCase& c = GetParam();
    if (c.quitHandledByApplication) {
        app->AddMenuHandler("FileQuit", Delegate<bool()>::Bind(app, &TestApp::KeepRunning, "(  ) as Boolean", false));
    }
    const auto window = WindowWithBar();
    MenuBarView* view = ApplicationMenus::ViewOf(*window);
    ASSERT_NE(view, nullptr);
    ActionOf(*view, c.item).trigger();
    Settle();
    EXPECT_EQ(app->opened, c.opened);
    EXPECT_EQ(app->about, c.about);
    EXPECT_EQ(app->quitAsked, c.quitAsked);
    EXPECT_EQ(EventLoop::QuitRequested(), c.quits);
}

INSTANTIATE_TEST_SUITE_P(
    Items, ChoiceTest,
    testing::Values(ChoiceCase{"Open", "hiraku", false, 1, 0, 0, false},
                    ChoiceCase{"About", "kono", false, 0, 1, 0, false},
                    ChoiceCase{"Quit", "FileQuit", false, 0, 0, 0, true},
                    // A handler that answers True has handled Quit: no default quit.
                    ChoiceCase{"QuitHandledByTheApplication", "FileQuit", true, 0, 0, 1, false},
                    // Never enabled, so choosing it reaches nobody.
                    ChoiceCase{"Copy", "EditCopy", false, 0, 0, 0, false}),
    [](const testing::TestParamInfo<ChoiceCase>& param) { return std::string(param.param.label); });

TEST_F(ApplicationMenusTest, ClosingTheMenuWindowQuits)
{
    Settle();
    ASSERT_TRUE(MenuWindowShown());
    ApplicationMenus::MenuWindow()->close();
    EXPECT_TRUE(EventLoop::QuitRequested());
    EXPECT_EQ(EventLoop::ExitCode(), 0);
    // While the application ends nothing brings the menu window up again.
    ApplicationMenus::Refresh();
    EXPECT_FALSE(MenuWindowShown());
}

TEST_F(ApplicationMenusTest, NoMenuWindowWithoutAnApplicationMenuBar)
{
    app->SetMenuBar(nullptr);
    ApplicationMenus::Refresh();
    EXPECT_FALSE(MenuWindowShown());
    RuntimeRegisterAppObject(nullptr);
    ApplicationMenus::Refresh();
    EXPECT_FALSE(MenuWindowShown());
}

// EnableMenuItems is program code: a failure in it ends the loop through the
// dispatch boundary instead of passing into Qt.
TEST_F(ApplicationMenusTest, AFailingUpdateStaysOnTheFrameworksSide)
{
    Settle();
    MenuBarView* view = MenuWindowView();
    ASSERT_NE(view, nullptr);
    app->failUpdate = true;
    OpenMenu(*view, 1);
    EXPECT_NE(EventLoop::PendingException(), nullptr);
    EXPECT_TRUE(EventLoop::IsEnding());
}

TEST_F(ApplicationMenusTest, TheOpenDialogOffersTheProgramsDocuments)
{
    karvelio::FileTypes::Initialize();
    EXPECT_EQ(OpenDialogNameFilter("indd"), "indd (*.indd)");

    const karvelio::testing::TempDir folder;
    const std::string document = folder.Write("doc.indd", "x").string();
    QStringList filters;
    AnswerOpenDialogWith(document, filters);
    const Ref<FolderItem> chosen = GetOpenFolderItem("indd");
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->NativePath(), document);
    EXPECT_EQ(filters, QStringList{"indd (*.indd)"});

    karvelio::FileTypes::ExitIndd();
    EXPECT_EQ(OpenDialogNameFilter("indd"), "All files (*)") << "withdrawn at shut-down";
}

} // namespace
} // namespace fw::test
