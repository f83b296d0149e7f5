// The about window on real widgets: its record and hook-ups, its one
// instance, its version text and logo, its size, its links and its button.

#include <QDesktopServices>
#include <QEnterEvent>
#include <QMainWindow>
#include <QScreen>
#include <QTest>
#include <filesystem>

#include "Resources/PictureAccessors.h"
#include "app/Class1.h"
#include "app/Startup.h"
#include "app/Menu.h"
#include "framework/core/ApplicationBundle.h"
#include "framework/gui/WindowList.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/gui/UrlRecorder.h"
#include "tests/support/RecordCheck.h"
#include "tests/support/TempDir.h"
#include "windows/MakerAddresses.h"
#include "windows/Window1.h"
#include "windows/Window2.h"

namespace karvelio {
namespace {

using fw::Ref;
using fw::String;

const fw::Color kRed{255, 0, 0};
const fw::Color kBlue{0, 0, 255};
// The build's own version, handed to the tests by the build.
const String kVersionText = String("Ver. ") + KARVELIO_EXPECTED_VERSION;

class AboutWindowTest : public fw::test::GuiTest {
protected:
    void SetUp() override
    {
        fw::test::GuiTest::SetUp();
        NewAppInstance(); // the application object with its menu bar, as start-up makes it
    }

    void TearDown() override
    {
        fw::test::GuiTest::TearDown();
        Menu::ExitImplicitInstance(); // a result window brought up the shared bar
    }

    static Ref<Window1> NewResultWindow()
    {
        const auto window = fw::RuntimeCheckCast<Window1>(fw::RuntimeNewObject(Window1::Lookup()));
        window->Constructor();
        return window;
    }

    static void Hover(const Ref<fw::Label>& link)
    {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(link->Widget(), &enter);
    }
};

TEST_F(AboutWindowTest, ItsRecordAndHookupsAreTheDocumentedOnes)
{
    const fw::ClassRecord& record = Window2::Lookup();
    EXPECT_EQ(record.name, "Window2.Window2");
    EXPECT_EQ(record.attributes, std::vector<fw::ClassAttribute>{fw::kPublicScope});
    testing::ExpectRecord(record,
                          {
                              {"Layout", "%%"}, {"CreateControls", "%%"}, {"_CreateControls0", "%%"},
                              {"PushButton1", "%o<PushButton>%"}, {"StaticText1", "%o<Label>%"}, {"Canvas1", "%o<Canvas>%"},
                              {"StaticText2", "%o<Label>%"}, {"StaticText3", "%o<Label>%"}, {"StaticText5", "%o<Label>%"},
                              {"PushButton1_Action", "%%o<PushButton>"}, {"StaticText1_MouseExit", "%%o<Label>"},
                              {"StaticText1_MouseEnter", "%%o<Label>"}, {"StaticText1_MouseDown", "%b%o<Label>i4i4"},
                              {"StaticText1_MouseUp", "%%o<Label>i4i4"}, {"StaticText2_MouseUp", "%%o<Label>i4i4"},
                              {"StaticText2_MouseExit", "%%o<Label>"}, {"StaticText2_MouseEnter", "%%o<Label>"},
                              {"StaticText2_MouseDown", "%b%o<Label>i4i4"}, {"Event_Open", "%%"},
                          },
                          {"Layout/Layout", "CreateControls/CreateControls", "Open/Event_Open"});

    const auto window = Window2::Instance();
    const std::pair<std::int32_t, const char*> linkEvents[] = {
        {5, "( Label )"}, {4, "( Label )"}, {16, "( Label, Int32, Int32 ) as Boolean"}, {18, "( Label, Int32, Int32 )"}};
    for (const auto& link : {window->StaticText1(), window->StaticText2()}) {
        for (const auto& [event, parameterList] : linkEvents) {
            const fw::HandlerInfo* info = link->EventHandlerInfo(event);
            ASSERT_NE(info, nullptr) << link->Name() << " " << event;
            EXPECT_EQ(info->parameterList, parameterList);
            EXPECT_TRUE(info->weak);
        }
    }
    const Ref<fw::Control> withoutHandlers[] = {window->Canvas1(), window->StaticText3(), window->StaticText5()};
    for (const Ref<fw::Control>& control : withoutHandlers) {
        EXPECT_EQ(control->EventHandlerInfo(fw::ControlEvent::MouseUp), nullptr) << control->Name();
    }
    ASSERT_NE(window->PushButton1()->EventHandlerInfo(15), nullptr);
    EXPECT_EQ(window->PushButton1()->EventHandlerInfo(15)->parameterList, "( PushButton )");
}

TEST_F(AboutWindowTest, OpeningWritesTheVersionAndShowsTheLogoButNeedsTheApplication)
{
    const auto window = Window2::Instance();
    EXPECT_EQ(window->StaticText5()->Text(), kVersionText);
    ASSERT_NE(brelom(), nullptr) << "the build draws the logo into its Resources folder";
    EXPECT_EQ(window->Canvas1()->Backdrop(), brelom());
    window->Close();
    fw::RuntimeRegisterAppObject(nullptr);
    EXPECT_THROW(Window2::Instance(), fw::NilObjectException);
    EXPECT_EQ(fw::WindowCount(), 0) << "a window that failed to open is not kept";
}

TEST_F(AboutWindowTest, AskingTwiceGivesOneWindowInFrontAndCloseClosesOnlyIt)
{
    const auto about = Window2::Instance();
    const auto result = NewResultWindow();
    const auto again = Window2::Instance();
    again->Show();
    EXPECT_EQ(again, about);
    EXPECT_EQ(fw::WindowCount(), 2);
    EXPECT_EQ(fw::WindowAt(0), about);
    result->Show();
    about->PushButton1()->Push();
    EXPECT_TRUE(about->IsClosed());
    EXPECT_EQ(fw::WindowAt(0), result) << "the window in front stays open";
    EXPECT_EQ(fw::WindowCount(), 1);
}

TEST_F(AboutWindowTest, AfterClosingTheNextRequestBuildsAFreshWindow)
{
    const std::pair<const char*, void (*)(Window2&)> closings[] = {
        {"close box", [](Window2& w) { w.NativeWindow()->close(); }},
        {"Close button", [](Window2& w) { w.PushButton1()->Push(); }},
    };
    for (const auto& [how, close] : closings) {
        SCOPED_TRACE(how);
        const auto old = Window2::Instance();
        Hover(old->StaticText1());
        Hover(old->StaticText2());
        close(*old);
        EXPECT_EQ(fw::WindowCount(), 0);
        const auto fresh = Window2::Instance();
        EXPECT_NE(fresh, old);
        EXPECT_EQ(fresh->StaticText5()->Text(), kVersionText);
        EXPECT_EQ(fresh->StaticText1()->TextColor(), kBlue);
        EXPECT_EQ(fresh->StaticText2()->TextColor(), kBlue);
        fresh->Close();
    }
}

TEST_F(AboutWindowTest, ItIsACentredWhiteDialogThatKeepsItsSizeThoughResizeable)
{
    const auto window = Window2::Instance();
    QMainWindow* native = window->NativeWindow();
    EXPECT_EQ(native->windowTitle(), "Karvelio");
    EXPECT_TRUE(native->windowFlags().testFlag(Qt::Dialog));
    EXPECT_EQ(window->ContentWidget()->palette().color(QPalette::Window), QColor(Qt::white));
    const QPoint offCentre = native->frameGeometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 4);
    EXPECT_TRUE(window->Resizeable() && window->MaximizeButton());
    native->resize(500, 400);
    fw::test::Settle();
    EXPECT_EQ(native->size(), QSize(300, 180));
}

// Each control at its place, in its size and style: the links underlined,
// the name bold, nothing else either.
TEST_F(AboutWindowTest, EachControlHasItsPlaceAndStyle)
{
    const auto window = Window2::Instance();
    struct Expected {
        Ref<fw::RectControl> control;
        QRect geometry;
        int pixelSize;
        bool bold;
        bool underline;
    };
    const Expected controls[] = {
        {window->PushButton1(), {216, 150, 69, 20}, 12, false, false},
        {window->StaticText1(), {20, 117, 210, 20}, 11, false, true},
        {window->Canvas1(), {65, 9, 170, 65}, 0, false, false},
        {window->StaticText2(), {20, 147, 150, 20}, 11, false, true},
        {window->StaticText3(), {20, 80, 157, 25}, 12, true, false},
        {window->StaticText5(), {195, 83, 69, 22}, 9, false, false},
    };
    for (const Expected& e : controls) {
        SCOPED_TRACE(e.control->Name());
        EXPECT_EQ(e.control->Widget()->geometry(), e.geometry);
        if (e.pixelSize != 0) {
            const QFont font = e.control->Widget()->font();
            EXPECT_EQ(font.pixelSize(), e.pixelSize);
            EXPECT_EQ(font.bold(), e.bold);
            EXPECT_EQ(font.underline(), e.underline);
        }
    }
}

TEST_F(AboutWindowTest, EachLinkTurnsRedUnderTheMouseAndOpensItsAddressOnRelease)
{
    const auto window = Window2::Instance();
    EXPECT_EQ(MakerWebLink(), window->StaticText1()->Text() + "/") << "shown without the trailing /";
    EXPECT_EQ(MakerMailLink().rfind("mailto:", 0), 0u);
    const std::tuple<Ref<fw::Label>, const char*, String> links[] = {
        {window->StaticText1(), "https", MakerWebLink()}, {window->StaticText2(), "mailto", window->StaticText2()->Text()}};
    for (const auto& [label, scheme, opens] : links) {
        SCOPED_TRACE(scheme);
        Hover(label);
        EXPECT_EQ(label->TextColor(), kRed);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(label->Widget(), &leave);
        EXPECT_EQ(label->TextColor(), kBlue);
        fw::test::UrlRecorder recorder;
        QDesktopServices::setUrlHandler(scheme, &recorder, "open");
        QTest::mousePress(label->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(label->Widget(), Qt::LeftButton, {}, QPoint(400, 300)); // released far outside
        QDesktopServices::unsetUrlHandler(scheme);
        EXPECT_EQ(recorder.urls, QStringList{QString::fromStdString(opens)});
    }
}

// Whether an about window whose logo fails to load is built all the same,
// with an empty canvas.
bool BuiltWithoutItsLogo()
{
    const testing::TempDir bundle;
    std::filesystem::create_directories(bundle.Path() / "Resources");
    bundle.Write("Resources/brelom.pct", "not a picture");
    fw::SetExecutableFileOverride((bundle.Path() / "bin" / "karvelio").string());
    fw::RuntimeInit();
    NewAppInstance();
    const auto window = Window2::Instance();
    return window->Canvas1()->Backdrop() == nullptr && window->StaticText5()->Text() == kVersionText &&
           window->StaticText2()->EventHandlerInfo(fw::ControlEvent::MouseUp) != nullptr;
}

// The accessor keeps a loaded logo to the end of the run, so a failed load is
// seen in a fresh process, which has loaded none.
TEST(AboutWindowDeathTest, ALogoThatFailsToLoadLeavesTheCanvasEmptyAndTheRestBuilt)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(BuiltWithoutItsLogo() ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace karvelio
