// Windows built from blobs: size, flags, title, background and visibility;
// the building events; the window list and the implicit instances.

#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

#include "framework/core/CanvasDesign.h"
#include "framework/core/LabelDesign.h"
#include "framework/core/PropertyBlobReader.h"
#include "framework/core/PushButtonDesign.h"
#include "framework/gui/Canvas.h"
#include "framework/gui/Label.h"
#include "framework/gui/PushButton.h"
#include "framework/gui/WindowList.h"
#include "tests/gui/GuiTestSupport.h"

namespace fw::test {
namespace {

using WindowTest = GuiTest;

TEST_F(WindowTest, EveryClassBlobParsesToItsEntryListEndingAtTheLastByte)
{
    struct Case {
        const ClassRecord& record;
        String blob;
        std::size_t entries;
    };
    const ControlPlacement place{.name = "StaticText1"};
    for (const Case& c : {Case{Window::Lookup(), FixedWindow().Encode(), 21},
                          Case{PushButton::Lookup(), PushButtonDesign{.place = place, .caption = "閉じる"}.Encode(), 26},
                          Case{Label::Lookup(), LabelDesign{.place = place, .text = "閉じる"}.Encode(), 29},
                          Case{Canvas::Lookup(), CanvasDesign{.place = place}.Encode(), 23}}) {
        const auto entries = ReadPropertyBlob(c.record, c.blob);
        EXPECT_EQ(entries.size(), c.entries) << c.record.name;
    }
    EXPECT_EQ(FixedWindow().Encode().size(), 267u) << "an untitled window's blob is 267 bytes";
    const auto entries = ReadPropertyBlob(Window::Lookup(), FixedWindow().Encode());
    EXPECT_EQ(entries.back().property->name, "MacProcId");
}

TEST_F(WindowTest, ADocumentWindowHasTheSizeFlagsAndTitleItsBlobSays)
{
    const auto window = MakeWindow(FixedWindow().Encode());
    Settle();
    QMainWindow* native = window->NativeWindow();
    ASSERT_NE(native, nullptr);
    EXPECT_TRUE(native->isVisible()) << "shown by construction alone";
    EXPECT_EQ(window->ContentWidget()->size(), QSize(280, 150));
    EXPECT_EQ(native->minimumSize(), native->maximumSize()) << "not resizeable";
    EXPECT_EQ(native->windowType(), Qt::Window);
    const Qt::WindowFlags flags = native->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(native->windowTitle(), "");
    EXPECT_FALSE(window->ContentWidget()->autoFillBackground());
    EXPECT_FALSE(window->ContentsChanged());
    EXPECT_EQ(window->MacProcId(), 0);
    EXPECT_TRUE(window->MenuBarVisible());
}

TEST_F(WindowTest, ADialogStyleWindowIsCentredOnTheScreenWithItsOwnBackground)
{
    WindowDesign about = FixedWindow();
    about.placement = 2;
    about.frame = 2;
    about.width = about.minWidth = about.maxWidth = 300;
    about.height = about.minHeight = about.maxHeight = 180;
    about.hasBackColor = true;
    about.backColor = RGB(255, 255, 255);
    about.title = "Karvelio";
    about.resizeable = about.maximizeButton = about.minimizeButton = true;
    const auto window = MakeWindow(about.Encode());
    Settle();
    QMainWindow* native = window->NativeWindow();
    EXPECT_EQ(native->windowType(), Qt::Dialog);
    EXPECT_TRUE(native->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(native->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window->ContentWidget()->size(), QSize(300, 180));
    EXPECT_EQ(native->minimumSize(), native->maximumSize()) << "its limits hold although it is resizeable";
    EXPECT_EQ(native->windowTitle(), "Karvelio");
    EXPECT_TRUE(window->ContentWidget()->autoFillBackground());
    EXPECT_EQ(window->ContentWidget()->palette().color(QPalette::Window), QColor(255, 255, 255));
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    // The frame's margins are known only once the window is shown: allow for them.
    EXPECT_LE((native->frameGeometry().center() - screenCentre).manhattanLength(), 8);
}

TEST_F(WindowTest, AMenuBarViewSitsAboveTheContentAndFollowsMenuBarVisible)
{
    for (const bool menuBarVisible : {true, false}) {
        WindowDesign design = FixedWindow();
        design.visible = false;
        design.menuBarVisible = menuBarVisible;
        const auto window = MakeWindow(design.Encode());
        auto* view = new QMenuBar;
        view->addMenu("File");
        window->InstallMenuBarView(view);
        window->Show();
        Settle();
        EXPECT_EQ(window->ContentWidget()->size(), QSize(280, 150)) << menuBarVisible;
        EXPECT_EQ(view->isVisible(), menuBarVisible);
        EXPECT_EQ(window->ContentWidget()->y(), menuBarVisible ? view->height() : 0);
        window->SetMenuBarVisible(!menuBarVisible);
        Settle();
        EXPECT_EQ(view->isVisible(), !menuBarVisible);
        EXPECT_EQ(window->ContentWidget()->size(), QSize(280, 150));
    }
}

TEST_F(WindowTest, TheMenusCodeHearsOfMenuBarsAndOfTheWindowList)
{
    std::vector<String> heard;
    Window::SetMenuBarChangedHook([&](Window& window) { heard.push_back("menu bar of " + window.Title()); });
    WindowList::SetChangedHook([&] { heard.push_back("list of " + std::to_string(WindowCount())); });
    WindowDesign design = FixedWindow();
    design.title = "w";
    const auto window = MakeWindow(design.Encode(), [](TestWindow& w) { w.SetMenuBar(nullptr); });
    window->Close();
    Window::SetMenuBarChangedHook({});
    WindowList::SetChangedHook({});
    EXPECT_EQ(heard, (std::vector<String>{"list of 1", "menu bar of w", "list of 1", "list of 0"}));
}

TEST_F(WindowTest, ALimitedResizeableWindowKeepsItsLimits)
{
    WindowDesign design = FixedWindow();
    design.resizeable = true;
    design.width = 400;
    design.minWidth = 200;
    design.maxWidth = 600;
    design.height = design.minHeight = 100;
    design.maxHeight = 500;
    const auto window = MakeWindow(design.Encode());
    Settle();
    EXPECT_EQ(window->ContentWidget()->size(), QSize(400, 100));
    EXPECT_EQ(window->ContentWidget()->minimumSize(), QSize(200, 100));
    EXPECT_EQ(window->ContentWidget()->maximumSize(), QSize(600, 500));
}

TEST_F(WindowTest, BuildingRaisesLayoutCreateControlsThenOpenOnceShown)
{
    WindowDesign hidden = FixedWindow();
    hidden.visible = false;
    std::size_t controlsAtOpen = 0;
    const auto window = MakeWindow(hidden.Encode(), [&](TestWindow& w) {
        w.AddControl("StaticText1", w.New<Label>());
    });
    EXPECT_EQ(window->events, (std::vector<String>{"Layout", "CreateControls"}));
    EXPECT_FALSE(window->NativeWindow()->isVisible());
    window->Show();
    window->Show();
    controlsAtOpen = window->ControlByName("StaticText1") ? 1 : 0;
    EXPECT_EQ(window->events, (std::vector<String>{"Layout", "CreateControls", "Open"}));
    EXPECT_EQ(controlsAtOpen, 1u);
    EXPECT_TRUE(window->NativeWindow()->isVisible());
}

TEST_F(WindowTest, ControlsAreMadeByTheWindowAndFoundByName)
{
    const auto window = MakeWindow(FixedWindow().Encode(), [](TestWindow& w) {
        w.AddControl("PushButton2", w.New<PushButton>());
        w.AddControl("Canvas1", std::static_pointer_cast<Control>(w.New(Canvas::Lookup())));
    });
    const Ref<Control> button = window->ControlByName("PushButton2");
    ASSERT_TRUE(button);
    EXPECT_EQ(window->ControlByName("PushButton2"), button) << "the same object every time";
    EXPECT_EQ(button->Name(), "PushButton2");
    EXPECT_EQ(button->OwnerWindow(), window);
    EXPECT_TRUE(RuntimeCheckCast<PushButton>(button));
    EXPECT_FALSE(RuntimeCheckCast<Label>(button));
    EXPECT_TRUE(RuntimeCheckCast<Canvas>(window->ControlByName("Canvas1")));
    EXPECT_EQ(window->ControlByName("StaticText9"), nullptr);
    EXPECT_EQ(window->New(Window::Lookup()), nullptr) << "a window is no control";
    EXPECT_EQ(RuntimeCheckCast<PushButton>(button)->Widget()->parentWidget(), window->ContentWidget());
}

TEST_F(WindowTest, WindowZeroIsTheFrontmostOpenWindow)
{
    const auto first = MakeWindow(FixedWindow().Encode());
    const auto second = MakeWindow(FixedWindow().Encode());
    EXPECT_EQ(WindowCount(), 2);
    EXPECT_EQ(WindowAt(0), second);
    EXPECT_EQ(WindowAt(1), first);
    first->Show();
    EXPECT_EQ(WindowAt(0), first);
    first->Close();
    EXPECT_EQ(WindowAt(0), second);
    EXPECT_EQ(WindowCount(), 1);
    EXPECT_EQ(WindowAt(1), nullptr);
    EXPECT_EQ(WindowAt(-1), nullptr);
    first->Close();
    EXPECT_EQ(WindowCount(), 1) << "closing twice changes nothing";
}

TEST_F(WindowTest, ShowingAMinimisedWindowBringsItBack)
{
    const auto window = MakeWindow(FixedWindow().Encode());
    window->NativeWindow()->showMinimized();
    window->Show();
    EXPECT_FALSE(window->NativeWindow()->isMinimized());
    EXPECT_EQ(window->events, (std::vector<String>{"Layout", "CreateControls", "Open"})) << "Open comes once";
}

TEST_F(WindowTest, TheCloseBoxClosesTheWindow)
{
    const auto window = MakeWindow(FixedWindow().Encode());
    window->NativeWindow()->close();
    EXPECT_TRUE(window->IsClosed());
    EXPECT_EQ(WindowCount(), 0);
    EXPECT_EQ(window->NativeWindow(), nullptr);
    Settle();
}

TEST_F(WindowTest, AnOpenWindowIsHeldByTheFrameworkUntilItCloses)
{
    WeakRef<TestWindow> watch = MakeWindow(FixedWindow().Encode());
    EXPECT_FALSE(watch.expired());
    watch.lock()->Close();
    EXPECT_TRUE(watch.expired());
}

class ImplicitWindow : public TestWindow {
public:
    static const ClassRecord& Lookup()
    {
        return RegisterClass("ImplicitWindow.ImplicitWindow", [] {
            ClassRecord record;
            record.name = "ImplicitWindow.ImplicitWindow";
            record.super = &Window::Lookup();
            record.factory = [] {
                auto window = fw::New<ImplicitWindow>();
                ++made;
                return std::static_pointer_cast<Object>(window);
            };
            return record;
        });
    }
    const ClassRecord& Class() const override { return Lookup(); }
    // Asking for the implicit instance while it is being built finds it.
    void Event_Open() override { seenWhileOpening = GetImplicitWindow("ImplicitWindow.ImplicitWindow").get(); }

    static inline int made = 0;
    const Window* seenWhileOpening = nullptr;
};

TEST_F(WindowTest, ImplicitInstancesAnswerToBothNamesAndAreForgottenOnClose)
{
    ImplicitWindow::made = 0;
    EXPECT_EQ(GetImplicitWindow("ImplicitWindow.ImplicitWindow"), nullptr);
    const Ref<Window> first = RuntimeGetImplicitWindow(ImplicitWindow::Lookup());
    EXPECT_EQ(RuntimeGetImplicitWindow(ImplicitWindow::Lookup()), first);
    EXPECT_EQ(ImplicitWindow::made, 1);
    EXPECT_EQ(GetImplicitWindow("ImplicitWindow.ImplicitWindow"), first);
    EXPECT_EQ(GetImplicitWindow("ImplicitWindow"), first);
    const auto implicitFirst = RuntimeCheckCast<ImplicitWindow>(first);
    ASSERT_TRUE(implicitFirst);
    EXPECT_TRUE(implicitFirst->seenWhileOpening == first.get());

    first->Close();
    EXPECT_EQ(GetImplicitWindow("ImplicitWindow"), nullptr);
    EXPECT_EQ(GetImplicitWindow("ImplicitWindow.ImplicitWindow"), nullptr);
    const Ref<Window> second = RuntimeGetImplicitWindow(ImplicitWindow::Lookup());
    EXPECT_NE(second, first);
    EXPECT_EQ(ImplicitWindow::made, 2);
}

TEST_F(WindowTest, AWindowThatFailsToBuildIsClosedAndTheErrorPasses)
{
    Ref<TestWindow> window = New<TestWindow>();
    window->blob = FixedWindow().Encode() + "Bogus ";
    EXPECT_THROW(window->Constructor(), RuntimeException);
    EXPECT_TRUE(window->IsClosed());
    EXPECT_EQ(WindowCount(), 0);
}

TEST_F(WindowTest, SettingsMadeBeforeTheBlobSurviveIt)
{
    const auto window = MakeWindow(FixedWindow().Encode(), [](TestWindow& w) {
        w.AddControl("StaticText1", w.New<Label>());
        const auto label = RuntimeCheckCast<Label>(w.ControlByName("StaticText1"));
        label->SetTextSize(10);
        label->SetTextUnit(FontUnits::Default);
        SetProperties(label, LabelDesign{.place = {.name = "StaticText1"}, .text = "Karvelio"}.Encode());
    });
    const auto label = RuntimeCheckCast<Label>(window->ControlByName("StaticText1"));
    EXPECT_EQ(label->TextSize(), 10.0F);
    EXPECT_EQ(label->LabelWidget()->font().pixelSize(), 10);
    EXPECT_EQ(label->Text(), "Karvelio");
}

} // namespace
} // namespace fw::test
