// The run of an application: start-up callback, the loop, failures that end
// it and are reported once, and Quit unwinding a long background loop.

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <chrono>

#include "framework/core/Application.h"
#include "framework/core/BackgroundTask.h"
#include "framework/gui/ControlEvents.h"
#include "framework/gui/EventLoop.h"
#include "framework/gui/Label.h"
#include "framework/gui/PushButton.h"
#include "framework/gui/Runtime.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/support/TempDir.h"

namespace fw::test {
namespace {

// What a program's main does around the framework.
std::int32_t RunProgram(const std::function<void()>& startup, int argc = 0, char** argv = nullptr)
{
    RuntimeInit(argc, argv);
    try {
        RunFrameworkInitialization(startup);
        RuntimeRun();
    } catch (...) {
        RuntimeUnhandledException(std::current_exception());
    }
    return RuntimeExit();
}

int CountOf(const std::string& text, const std::string& part)
{
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

struct Watch {
    int boxes = 0;
    QString lastBox;
};

void CountMessageBoxes(Watch& watch)
{
    auto* timer = new QTimer(QApplication::instance());
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [&watch] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box != nullptr && box->isVisible()) {
            ++watch.boxes;
            watch.lastBox = box->text() + " " + box->informativeText();
            box->accept();
        }
    });
    timer->start();
}

TEST(EventLoop, AnExceptionFromAHandlerEndsTheLoopAndIsReportedOnce)
{
    Watch watch;
    int laterCalls = 0;
    testing::internal::CaptureStderr();
    const std::int32_t status = RunProgram([&] {
        CountMessageBoxes(watch);
        const auto window = MakeWindow(FixedWindow().Encode(), [](TestWindow& w) {
            w.AddControl("PushButton1", w.New<PushButton>());
            RuntimeAddEventHandler(RuntimeCheckCast<PushButton>(w.ControlByName("PushButton1")), ControlEvent::Action,
                                   Delegate<void(Ref<PushButton>)>::Function(
                                       [](Ref<PushButton>) { throw NilObjectException("label"); }));
        });
        const auto button = RuntimeCheckCast<PushButton>(window->ControlByName("PushButton1"));
        QTimer::singleShot(0, [button] { button->Push(); button->Push(); });
        EventLoop::Post([&] { ++laterCalls; });
    });
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(CountOf(errors, "Unhandled NilObjectException: nil label"), 1) << errors;
    EXPECT_EQ(watch.boxes, 1);
    EXPECT_TRUE(watch.lastBox.contains("nil label")) << watch.lastBox.toStdString();
    EXPECT_EQ(laterCalls, 0) << "nothing of the program runs after the failure";
    EXPECT_NE(status, 0);
}

TEST(EventLoop, QuitFromInsideABackgroundTaskLoopEndsTheRunPromptly)
{
    Watch watch;
    bool unwound = false;
    bool caughtByProgram = false;
    bool codeAfterTheLoopRan = false;
    long passes = 0;
    struct Guard {
        bool& flag;
        ~Guard() { flag = true; }
    };
    testing::internal::CaptureStderr();
    const auto start = std::chrono::steady_clock::now();
    const std::int32_t status = RunProgram([&] {
        CountMessageBoxes(watch);
        EventLoop::Post([&] {
            const Guard guard{unwound};
            try {
                for (;;) {
                    RuntimeBackgroundTask();
                    ++passes;
                }
            } catch (const RuntimeException&) {
                caughtByProgram = true;
            } catch (const std::exception&) {
                caughtByProgram = true;
            }
            codeAfterTheLoopRan = true;
        });
        QTimer::singleShot(50, [] { Quit(3); });
    });
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 3);
    EXPECT_LT(elapsed, std::chrono::seconds(1));
    EXPECT_TRUE(unwound);
    EXPECT_FALSE(caughtByProgram);
    EXPECT_FALSE(codeAfterTheLoopRan);
    EXPECT_GT(passes, 0);
    EXPECT_EQ(watch.boxes, 0) << "a quit is no failure";
    EXPECT_EQ(errors.find("Unhandled"), std::string::npos) << errors;
}

TEST(EventLoop, StartUpIsCalledBackBeforeTheLoopAndItsExceptionIsReported)
{
    Watch watch;
    bool loopRan = false;
    testing::internal::CaptureStderr();
    const std::int32_t status = RunProgram([&] {
        CountMessageBoxes(watch);
        EventLoop::Post([&] { loopRan = true; });
        throw RuntimeException("start-up failed");
    });
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(loopRan);
    EXPECT_EQ(CountOf(errors, "Unhandled RuntimeException: start-up failed"), 1) << errors;
    EXPECT_EQ(watch.boxes, 1);
    EXPECT_EQ(status, 1);
}

TEST(EventLoop, QuitDuringStartUpSkipsTheLoop)
{
    bool loopRan = false;
    const std::int32_t status = RunProgram([&] {
        EventLoop::Post([&] { loopRan = true; });
        Quit(0);
    });
    EXPECT_FALSE(loopRan);
    EXPECT_EQ(status, 0);
}

TEST(EventLoop, BackgroundTasksOutsideAnyDispatchNeverThrow)
{
    RuntimeInit();
    Quit(0);
    EXPECT_NO_THROW(RuntimeBackgroundTask());
    EXPECT_EQ(RuntimeExit(), 0);
    EXPECT_NO_THROW(RuntimeBackgroundTask()) << "no hook after shut-down";
}

TEST(EventLoop, ABackgroundLoopLetsTheEventLoopRun)
{
    bool timerFired = false;
    long passes = 0;
    const std::int32_t status = RunProgram([&] {
        EventLoop::Post([&] {
            QTimer::singleShot(20, [&] { timerFired = true; });
            while (!timerFired) {
                RuntimeBackgroundTask();
                ++passes;
            }
            Quit(0);
        });
    });
    EXPECT_TRUE(timerFired);
    EXPECT_EQ(status, 0);
}

class DocumentApp : public Application {
public:
    void Event_OpenDocument(Ref<FolderItem> item) override
    {
        opened.push_back(item ? item->NativePath() : "nil");
    }
    std::vector<std::string> opened;
};

TEST(EventLoop, FilesOnTheCommandLineBecomeOpenDocumentEvents)
{
    const karvelio::testing::TempDir folder;
    const std::string document = folder.Write("a.indd", "x").string();
    const std::string missing = (folder.Path() / "missing.indd").string();
    const std::string style = folder.Write("look.qss", "").string();
    // File names are bytes: this one is not UTF-8, and must arrive as it is.
    const std::string latin1 = folder.Write("caf\xE9.indd", "x").string();
    // The program has no options: names that Qt would take for its own
    // options are documents too, and one that cannot be read still reaches
    // the application to be reported.
    std::vector<std::string> arguments{"karvelio", "-reverse", "-stylesheet", style, missing, document, latin1};
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    const auto app = New<DocumentApp>();
    // The documents are opened before the loop's first pass, which quits.
    const std::int32_t status = RunProgram(
        [&] {
            RuntimeRegisterAppObject(app);
            EventLoop::Post([] { Quit(0); });
        },
        static_cast<int>(argv.size()), argv.data());
    const auto inWorkingFolder = [](const char* name) { return std::filesystem::absolute(name).string(); };
    EXPECT_EQ(app->opened, (std::vector<std::string>{inWorkingFolder("-reverse"), inWorkingFolder("-stylesheet"), style,
                                                     missing, document, latin1}));
    EXPECT_FALSE(QGuiApplication::isRightToLeft()) << "Qt took -reverse as its own option";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(GetAppObject(), nullptr) << "shut-down drops the application object";
}

// A label's handler that yields (a scan) while the user closes its window:
// the widget goes during the handler, and the rest of the press must not be
// delivered to it.
TEST(EventLoop, AWindowClosedWhileItsLabelsHandlerYieldsIsNotTouchedAfterwards)
{
    bool widgetWentDuringHandler = false;
    const std::int32_t status = RunProgram([&] {
        const Ref<TestWindow> window = MakeWindow(FixedWindow().Encode(), [&](TestWindow& w) {
            w.AddControl("StaticText1", w.New<Label>());
            RuntimeAddEventHandler(RuntimeCheckCast<Label>(w.ControlByName("StaticText1")), ControlEvent::MouseDown,
                Delegate<bool(Ref<Label>, std::int32_t, std::int32_t)>::Function(
                    [&, native = w.NativeWindow()](Ref<Label> label, std::int32_t, std::int32_t) {
                        const QPointer<QWidget> widget = label->Widget();
                        QTimer::singleShot(10, native, [native] { native->close(); });
                        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(150);
                        while (std::chrono::steady_clock::now() < until) {
                            RuntimeBackgroundTask();
                        }
                        widgetWentDuringHandler = widget.isNull();
                        return true;
                    }));
        });
        QWidget* labelWidget = RuntimeCheckCast<Label>(window->ControlByName("StaticText1"))->Widget();
        QTimer::singleShot(10, [labelWidget] { QTest::mousePress(labelWidget, Qt::LeftButton); });
        QTimer::singleShot(400, [] { Quit(0); });
    });
    EXPECT_TRUE(widgetWentDuringHandler) << "the close did not happen during the handler; the test proves nothing";
    EXPECT_EQ(status, 0);
}

// The run lasts until Quit: closing the last window ends nothing (the
// application lives on with its menu bar, as it started).
TEST(EventLoop, ClosingTheLastWindowDoesNotEndTheRun)
{
    bool stillRunning = false;
    const std::int32_t status = RunProgram([&] {
        const Ref<TestWindow> window = MakeWindow(FixedWindow().Encode());
        // As the close box does it.
        QTimer::singleShot(10, [native = window->NativeWindow()] { native->close(); });
        QTimer::singleShot(150, [&] {
            stillRunning = true;
            Quit(7);
        });
    });
    EXPECT_TRUE(stillRunning);
    EXPECT_EQ(status, 7);
}

} // namespace
} // namespace fw::test
