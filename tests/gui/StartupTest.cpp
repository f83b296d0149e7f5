// The program's start-up and shut-down in process: what exists after
// start-up, the application object's commands, and the order of the
// releases at the end, also after a failure that left the event loop.

#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include "app/App.h"
#include "app/Class1.h"
#include "app/FileTypes.h"
#include "app/Menu.h"
#include "app/Startup.h"
#include "framework/core/FileTypeRegistry.h"
#include "framework/gui/EventLoop.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/WindowList.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/RecordCheck.h"
#include "tests/support/TempDir.h"
#include "windows/Window1.h"
#include "windows/Window2.h"

namespace karvelio {
namespace {

using fw::Ref;
using fw::String;

// Runs the program's main() in process, with `during` posted to run once the
// loop is up and `released` called after the program's globals have gone;
// gives the exit status.
std::int32_t RunMain(std::function<void()> during, const std::function<void()>& released = {})
{
    fw::RuntimeInit();
    InitializeModules();
    fw::EventLoop::Post(std::move(during));
    Main();
    FinalizeModules();
    if (released) {
        released();
    }
    return fw::RuntimeExit();
}

TEST(Startup, TheApplicationClassIsRecordedWithItsFiveMethodsAndTwoEvents)
{
    EXPECT_EQ(Class1::Lookup().name, "Class1");
    EXPECT_EQ(Class1::Lookup().super, &fw::Application::Lookup());
    EXPECT_TRUE(Class1::Lookup().attributes.empty());
    testing::ExpectRecord(Class1::Lookup(),
                          {{"Event_EnableMenuItems", "%%"},
                           {"Event_OpenDocument", "%%o<FolderItem>"},
                           {"_hiraku_Action", "%b%"},
                           {"_kono_Action", "%b%"},
                           {"VersionCheck", "%%o<FolderItem>"}},
                          {"EnableMenuItems/Event_EnableMenuItems", "OpenDocument/Event_OpenDocument"});
}

TEST(Startup, LeavesOneApplicationObjectWithTheSharedMenuAndNoWindow)
{
    bool checked = false;
    const std::int32_t status = RunMain([&] {
        const Ref<Class1> app = App();
        ASSERT_TRUE(app);
        EXPECT_EQ(&app->Class(), &Class1::Lookup());
        EXPECT_EQ(app->MenuBar(), Menu::Shared());
        EXPECT_EQ(fw::WindowCount(), 0);
        EXPECT_EQ(app->MenuHandlerNames(), (std::vector<String>{"hiraku", "kono"}));
        EXPECT_EQ(App(), app);
        EXPECT_EQ(kono(), kono());
        EXPECT_EQ(hiraku()->Text(), "開く");
        ASSERT_EQ(fw::RegisteredFileTypes().size(), 1u);
        EXPECT_EQ(fw::RegisteredFileTypes()[0].name, "indd");
        checked = true;
        fw::Quit(0);
    });
    EXPECT_TRUE(checked);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(FileTypes::pIndd, nullptr);
}

// Whether start-up registers the program's classes after the framework's,
// in their order.
bool ProgramClassesFollowTheFrameworks()
{
    fw::RuntimeInit();
    InitializeModules();
    std::vector<String> names;
    for (const fw::ClassRecord* record : fw::RegisteredClasses()) {
        names.push_back(record->name);
    }
    const std::vector<String> tail(names.end() - 5, names.end());
    return tail == std::vector<String>{"FileType", "Window1.Window1", "Menu.Menu", "Class1", "Window2.Window2"};
}

// In a fresh process, so no earlier first use has registered a class before
// start-up does.
TEST(StartupDeathTest, RegistersTheProgramsClassesAfterTheFrameworksInTheirOrder)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(ProgramClassesFollowTheFrameworks() ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

class CommandsTest : public fw::test::GuiTest {
protected:
    void SetUp() override
    {
        fw::test::GuiTest::SetUp();
        InitializeModules();
        Startup();
        app = App();
    }
    void TearDown() override
    {
        FinalizeModules();
        fw::test::GuiTest::TearDown();
    }

    // Answers the next open dialog: cancels it, or types `path` into it.
    void AnswerDialog(std::optional<std::string> path)
    {
        ++dialogsExpected;
        fw::test::AnswerModal<QFileDialog>([this, path](QFileDialog* dialog) {
            ++dialogsSeen;
            filters = dialog->nameFilters();
            if (path) {
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(*path));
                static_cast<QDialog*>(dialog)->accept();
            } else {
                dialog->reject();
            }
        });
    }

    Ref<Class1> app;
    int dialogsExpected = 0;
    int dialogsSeen = 0;
    QStringList filters;
};

TEST_F(CommandsTest, ADocumentFromTheDesktopOpensAtOnceWithoutOneTheDialogAsks)
{
    const testing::TempDir folder;
    const std::string document =
        folder.Write("cs4.indd", testing::DocumentBuilder(testing::DocumentBuilder::ByteOrder::Little).Version(6).Bytes())
            .string();
    app->Event_OpenDocument(fw::FolderItem::FromPath(document));
    EXPECT_EQ(fw::WindowCount(), 1);
    EXPECT_EQ(dialogsSeen, 0);

    AnswerDialog(std::nullopt);
    app->Event_OpenDocument(nullptr);
    EXPECT_EQ(dialogsSeen, 1);
    EXPECT_EQ(filters, QStringList{"indd (*.indd)"});
    EXPECT_EQ(fw::WindowCount(), 1) << "a cancelled dialog opens nothing";

    AnswerDialog(document);
    EXPECT_FALSE(app->_hiraku_Action());
    EXPECT_EQ(fw::WindowCount(), 2) << "a window of its own; the first stays";
    AnswerDialog(std::nullopt);
    EXPECT_FALSE(app->_hiraku_Action());
    EXPECT_EQ(fw::WindowCount(), 2);
    EXPECT_EQ(dialogsSeen, dialogsExpected);
}

TEST_F(CommandsTest, TheAboutCommandShowsTheOneAboutWindow)
{
    EXPECT_FALSE(app->_kono_Action());
    const Ref<fw::Window> about = fw::WindowAt(0);
    fw::test::MakeWindow(fw::test::FixedWindow().Encode());
    EXPECT_FALSE(app->_kono_Action());
    EXPECT_EQ(fw::WindowAt(0), about) << "shown again, in front";
    EXPECT_EQ(fw::WindowCount(), 2);
    EXPECT_TRUE(fw::RuntimeCheckCast<Window2>(about));
}

TEST_F(CommandsTest, TheMenuUpdateEnablesOpenAndAboutOnly)
{
    Menu::Shared()->UpdateMenus([&] { app->Event_EnableMenuItems(); });
    for (const Ref<fw::MenuItem>& item : Menu::Shared()->Descendants()) {
        const bool expected = item->Name() == "hiraku" || item->Name() == "kono" || item->Name() == "FileQuit";
        if (!item->Children().empty()) {
            continue; // the menus themselves
        }
        EXPECT_EQ(item->Enabled(), expected) << item->Name();
    }
}

TEST(Shutdown, AFailureThatLeftTheLoopIsReportedOnceAndTheGlobalsAreReleasedInOrder)
{
    int reports = 0;
    fw::WeakRef<Menu> menu;
    long menuHoldersAtWithdrawal = -1;
    int windowsAtWithdrawal = -1;
    fw::SetFileTypeRegistryObserver([&](bool declared, const fw::RegisteredFileType&) {
        if (!declared) {
            menuHoldersAtWithdrawal = menu.use_count();
            windowsAtWithdrawal = fw::WindowCount();
        }
    });
    long menuHoldersAfter = -1;
    const std::int32_t status = RunMain(
        [&] {
            menu = Menu::Shared();
            App()->_kono_Action();
            auto* timer = new QTimer(QApplication::instance());
            QObject::connect(timer, &QTimer::timeout, [&reports] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    ++reports;
                    box->accept();
                }
            });
            timer->start(5);
            throw std::runtime_error("escaped");
        },
        [&] { menuHoldersAfter = menu.use_count(); });
    fw::SetFileTypeRegistryObserver({});
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(windowsAtWithdrawal, 0) << "the window lists go first";
    EXPECT_EQ(menuHoldersAtWithdrawal, menuHoldersAfter + 1) << "the shared menu bar goes after the document type";
    EXPECT_EQ(FileTypes::pIndd, nullptr);
    EXPECT_EQ(status, 1) << "a reported failure with a quit code of 0";
}

} // namespace
} // namespace karvelio
