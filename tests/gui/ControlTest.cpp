// Labels, push buttons and canvases: every blob property reaches the Qt
// widget, events arrive by number with the sender, and a label that takes a
// press gets its release.

#include <QEnterEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include "framework/core/CanvasDesign.h"
#include "framework/core/Delegate.h"
#include "framework/core/LabelDesign.h"
#include "framework/core/PushButtonDesign.h"
#include "framework/gui/Canvas.h"
#include "framework/gui/ControlEvents.h"
#include "framework/gui/Label.h"
#include "framework/gui/PushButton.h"
#include "framework/gui/WindowList.h"
#include "tests/gui/GuiTestSupport.h"

namespace fw::test {
namespace {

using ControlTest = GuiTest;

// A window with a link label and a button, wired the way the program wires
// its windows: handlers are methods of the window, bound weakly.
class LinkWindow : public TestWindow {
public:
    void Build()
    {
        AddControl("PushButton2", New<PushButton>());
        const auto button = RuntimeCheckCast<PushButton>(ControlByName("PushButton2"));
        button->SetTextSize(12);
        SetProperties(button, PushButtonDesign{.place = {.name = "PushButton2", .left = 183, .top = 111, .width = 69, .height = 20},
                                               .caption = "閉じる"}
                                  .Encode());
        AddControl("StaticText4", New<Label>());
        const auto link = RuntimeCheckCast<Label>(ControlByName("StaticText4"));
        link->SetTextSize(12);
        SetProperties(link, LabelDesign{.place = {.name = "StaticText4", .left = 20, .top = 114, .width = 151, .height = 20, .tabIndex = 1},
                                        .text = "https://example.org/",
                                        .textColor = RGB(0, 0, 255)}
                                .Encode());
        const auto self = std::static_pointer_cast<LinkWindow>(shared_from_this());
        RuntimeAddEventHandler(button, ControlEvent::Action,
                               Delegate<void(Ref<PushButton>)>::Bind(self, &LinkWindow::PushButton2_Action, "( PushButton )", true));
        RuntimeAddEventHandler(link, ControlEvent::MouseDown,
                               Delegate<bool(Ref<Label>, std::int32_t, std::int32_t)>::Bind(
                                   self, &LinkWindow::StaticText4_MouseDown, "( Label, Int32, Int32 ) as Boolean", true));
        RuntimeAddEventHandler(link, ControlEvent::MouseExit,
                               Delegate<void(Ref<Label>)>::Bind(self, &LinkWindow::StaticText4_MouseExit, "( Label )", true));
        RuntimeAddEventHandler(link, ControlEvent::MouseEnter,
                               Delegate<void(Ref<Label>)>::Bind(self, &LinkWindow::StaticText4_MouseEnter, "( Label )", true));
        RuntimeAddEventHandler(link, ControlEvent::MouseUp,
                               Delegate<void(Ref<Label>, std::int32_t, std::int32_t)>::Bind(
                                   self, &LinkWindow::StaticText4_MouseUp, "( Label, Int32, Int32 )", true));
    }

    void PushButton2_Action(Ref<PushButton> sender) { log.push_back("Action " + Deref(sender).Name()); }
    bool StaticText4_MouseDown(Ref<Label>, std::int32_t x, std::int32_t y)
    {
        log.push_back("MouseDown " + std::to_string(x) + "," + std::to_string(y));
        return takePress;
    }
    void StaticText4_MouseExit(Ref<Label> sender) { Deref(sender).SetTextColor(RGB(0, 0, 255)); }
    void StaticText4_MouseEnter(Ref<Label> sender) { Deref(sender).SetTextColor(RGB(255, 0, 0)); }
    void StaticText4_MouseUp(Ref<Label>, std::int32_t x, std::int32_t y)
    {
        log.push_back("MouseUp " + std::to_string(x) + "," + std::to_string(y));
    }

    bool takePress = true;
    std::vector<String> log;
};

Ref<LinkWindow> MakeLinkWindow()
{
    auto window = New<LinkWindow>();
    window->blob = FixedWindow().Encode();
    window->build = [](TestWindow& w) { static_cast<LinkWindow&>(w).Build(); };
    window->Constructor();
    return window;
}

Ref<Label> Link(const Ref<LinkWindow>& window)
{
    return RuntimeCheckCast<Label>(window->ControlByName("StaticText4"));
}

QColor TextColourOf(const Ref<Label>& label)
{
    return label->LabelWidget()->palette().color(QPalette::WindowText);
}

TEST_F(ControlTest, ALabelsBlobReachesItsWidget)
{
    const auto window = MakeWindow(FixedWindow().Encode(), [](TestWindow& w) {
        w.AddControl("StaticText5", w.New<Label>());
        const auto label = RuntimeCheckCast<Label>(w.ControlByName("StaticText5"));
        label->SetTextSize(14);
        SetProperties(label, LabelDesign{.place = {.name = "StaticText5", .left = 105, .top = 82, .width = 160, .height = 25},
                                         .text = "サブバージョン不明",
                                         .textAlign = 1,
                                         .textColor = RGB(0x12, 0x34, 0x56),
                                         .helpTag = "tip",
                                         .textFont = "Osaka",
                                         .bold = true,
                                         .underline = true}
                                 .Encode());
    });
    Settle();
    const auto label = RuntimeCheckCast<Label>(window->ControlByName("StaticText5"));
    QLabel* widget = label->LabelWidget();
    EXPECT_EQ(widget->geometry(), QRect(105, 82, 160, 25));
    EXPECT_EQ(widget->text(), QString::fromUtf8("サブバージョン不明"));
    EXPECT_TRUE(widget->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(TextColourOf(label), QColor(0x12, 0x34, 0x56));
    EXPECT_TRUE(widget->font().bold());
    EXPECT_TRUE(widget->font().underline());
    EXPECT_FALSE(widget->font().italic());
    EXPECT_EQ(widget->font().pixelSize(), 14);
    EXPECT_EQ(widget->toolTip(), "tip");
    EXPECT_TRUE(widget->isVisible());
    EXPECT_TRUE(widget->isEnabled());
    EXPECT_EQ(label->Index(), INT32_MIN);
    // "Osaka" is not installed: the fallback still draws Japanese.
    EXPECT_EQ(widget->font().families().front(), "Osaka");
    EXPECT_TRUE(QFontMetrics(widget->font()).inFontUcs4(U'不'));
}

TEST_F(ControlTest, APushButtonsAndACanvassBlobsReachTheirWidgets)
{
    const auto window = MakeWindow(FixedWindow().Encode(), [](TestWindow& w) {
        w.AddControl("PushButton1", w.New<PushButton>());
        SetProperties(w.ControlByName("PushButton1"),
                      PushButtonDesign{.place = {.name = "PushButton1", .left = 183, .top = 111, .width = 69, .height = 20},
                                       .caption = "Close",
                                       .isDefault = true,
                                       .enabled = false,
                                       .italic = true}
                          .Encode());
        w.AddControl("Canvas1", w.New<Canvas>());
        SetProperties(w.ControlByName("Canvas1"),
                      CanvasDesign{.place = {.name = "Canvas1", .left = 34, .top = 42, .width = 64, .height = 64}, .visible = false}
                          .Encode());
    });
    Settle();
    const auto button = RuntimeCheckCast<PushButton>(window->ControlByName("PushButton1"));
    EXPECT_EQ(button->ButtonWidget()->text(), "Close");
    EXPECT_EQ(button->ButtonWidget()->geometry(), QRect(183, 111, 69, 20));
    EXPECT_TRUE(button->ButtonWidget()->isDefault());
    EXPECT_FALSE(button->ButtonWidget()->isEnabled());
    EXPECT_TRUE(button->ButtonWidget()->font().italic());
    const auto canvas = RuntimeCheckCast<Canvas>(window->ControlByName("Canvas1"));
    EXPECT_EQ(canvas->Widget()->geometry(), QRect(34, 42, 64, 64));
    EXPECT_FALSE(canvas->Widget()->isVisible());
    EXPECT_EQ(canvas->Widget()->focusPolicy(), Qt::NoFocus);
}

TEST_F(ControlTest, LinkColoursFollowTheMouseInAndOut)
{
    const auto window = MakeLinkWindow();
    const auto link = Link(window);
    EXPECT_EQ(TextColourOf(link), QColor(0, 0, 255));
    for (int crossing = 0; crossing < 3; ++crossing) {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(link->Widget(), &enter);
        EXPECT_EQ(TextColourOf(link), QColor(255, 0, 0));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link->Widget(), &leave);
        EXPECT_EQ(TextColourOf(link), QColor(0, 0, 255));
    }
}

TEST_F(ControlTest, ALabelThatTakesThePressGetsTheReleaseWhereverItFalls)
{
    const auto window = MakeLinkWindow();
    Settle();
    QWidget* widget = Link(window)->Widget();
    QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(5, 6));
    QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(400, -30));
    EXPECT_EQ(window->log, (std::vector<String>{"MouseDown 5,6", "MouseUp 400,-30"}));

    window->log.clear();
    // A quick double click comes as press, release, double-click, release.
    QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(5, 6));
    QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(5, 6));
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(5, 6), widget->mapToGlobal(QPointF(5, 6)), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &second);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(5, 6));
    EXPECT_EQ(std::count(window->log.begin(), window->log.end(), "MouseUp 5,6"), 2)
        << "both clicks of a double click: " << testing::PrintToString(window->log);

    window->log.clear();
    window->takePress = false;
    QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(5, 6));
    QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(5, 6));
    EXPECT_EQ(window->log, (std::vector<String>{"MouseDown 5,6"})) << "a press not taken brings no MouseUp";
}

TEST_F(ControlTest, ClickingAButtonRaisesActionWithTheButtonAsSender)
{
    const auto window = MakeLinkWindow();
    Settle();
    const auto button = RuntimeCheckCast<PushButton>(window->ControlByName("PushButton2"));
    QTest::mouseClick(button->ButtonWidget(), Qt::LeftButton);
    EXPECT_EQ(window->log, (std::vector<String>{"Action PushButton2"}));
}

TEST_F(ControlTest, ReturnAndEscapePressTheDefaultAndCancelButtons)
{
    std::vector<String> pressed;
    const auto window = MakeWindow(FixedWindow().Encode(), [&](TestWindow& w) {
        for (const char* name : {"OK", "Cancel"}) {
            w.AddControl(name, w.New<PushButton>());
            const auto button = RuntimeCheckCast<PushButton>(w.ControlByName(name));
            SetProperties(button, PushButtonDesign{.place = {.name = name, .width = 80, .height = 20},
                                                   .isDefault = String(name) == "OK",
                                                   .cancel = String(name) == "Cancel"}
                                      .Encode());
            RuntimeAddEventHandler(button, ControlEvent::Action,
                                   Delegate<void(Ref<PushButton>)>::Function(
                                       [&pressed](Ref<PushButton> sender) { pressed.push_back(sender->Name()); }));
        }
    });
    QTest::keyClick(window->NativeWindow(), Qt::Key_Escape);
    QTest::keyClick(window->NativeWindow(), Qt::Key_Return);
    EXPECT_EQ(pressed, (std::vector<String>{"Cancel", "OK"}));
}

TEST_F(ControlTest, TabbingFollowsTabIndexNotCreationOrder)
{
    const auto window = MakeWindow(FixedWindow().Encode(), [](TestWindow& w) {
        for (const auto& [name, tabIndex] : std::vector<std::pair<String, int>>{{"C", 2}, {"A", 0}, {"B", 1}}) {
            w.AddControl(name, w.New<PushButton>());
            SetProperties(w.ControlByName(name),
                          PushButtonDesign{.place = {.name = name, .width = 80, .height = 20, .tabIndex = tabIndex}, .caption = name}
                              .Encode());
        }
    });
    window->NativeWindow()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->NativeWindow()));
    const auto widgetOf = [&](const char* name) { return RuntimeCheckCast<PushButton>(window->ControlByName(name))->Widget(); };
    widgetOf("A")->setFocus();
    std::string visited;
    for (int step = 0; step < 4; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited += static_cast<QPushButton*>(QApplication::focusWidget())->text().toStdString();
    }
    EXPECT_EQ(visited, "BCAB");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), widgetOf("A"));
}

TEST_F(ControlTest, AnEventReachingADelegateWhoseWindowHasGoneRaisesNilObjectException)
{
    auto window = MakeLinkWindow();
    const Ref<Label> link = Link(window);
    window->Close();
    window.reset();
    EXPECT_THROW(link->RaiseEvent(ControlEvent::MouseEnter), NilObjectException);
    EXPECT_EQ(link->Widget(), nullptr) << "the widget went with its window";
    Settle();
}

TEST_F(ControlTest, HandlersOfTheWrongFormOrForAnEventTheClassLacksAreRefused)
{
    const auto label = New<Label>();
    const auto button = New<PushButton>();
    const auto noop = Delegate<void(Ref<Label>)>::Function([](Ref<Label>) {});
    EXPECT_THROW(RuntimeAddEventHandler(label, ControlEvent::MouseDown, noop), RuntimeException);
    EXPECT_THROW(RuntimeAddEventHandler(label, ControlEvent::Action, noop), RuntimeException) << "labels have no Action";
    EXPECT_THROW(RuntimeAddEventHandler(label, 99, noop), RuntimeException);
    EXPECT_NO_THROW(RuntimeAddEventHandler(button, ControlEvent::Action,
                                           Delegate<void(Ref<PushButton>)>::Function([](Ref<PushButton>) {})));
    EXPECT_THROW(RuntimeAddEventHandler(Ref<Label>(), ControlEvent::MouseEnter, noop), NilObjectException);
}

} // namespace
} // namespace fw::test

namespace fw::test {
namespace {

TEST(ControlWithoutFramework, MakingWidgetsBeforeStartUpRaisesInsteadOfAborting)
{
    EXPECT_THROW(New<Label>(), RuntimeException);
    EXPECT_THROW(New<PushButton>(), RuntimeException);
    EXPECT_THROW(New<Canvas>(), RuntimeException);
    EXPECT_THROW(New<TestWindow>()->Constructor(), RuntimeException);
}

} // namespace
} // namespace fw::test
