// The result window and the version check on real widgets: the window's
// record and design, what it shows for each real document, the failure
// message, its close button and its link, and a window closed mid-scan.

#include <QApplication>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "Resources/PictureAccessors.h"
#include "app/Class1.h"
#include "app/Menu.h"
#include "framework/core/PropertyBlobReader.h"
#include "framework/gui/EventLoop.h"
#include "framework/gui/WindowList.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/gui/UrlRecorder.h"
#include "tests/support/DocumentBuilder.h"
#include "tests/support/Manifest.h"
#include "tests/support/RecordCheck.h"
#include "tests/support/TempDir.h"
#include "windows/MakerAddresses.h"
#include "windows/Window1.h"
#include "windows/Window1Design.h"

namespace karvelio {
namespace {

using fw::Ref;
using fw::String;
using testing::DocumentBuilder;

class ResultWindowTest : public fw::test::GuiTest {
protected:
    void TearDown() override
    {
        fw::test::GuiTest::TearDown();
        Menu::ExitImplicitInstance();
    }

    // What VersionCheck makes before it titles the window.
    static Ref<Window1> NewWindow()
    {
        const auto window = fw::RuntimeCheckCast<Window1>(fw::RuntimeNewObject(Window1::Lookup()));
        window->Constructor();
        return window;
    }

    // The result window VersionCheck opened for `path`: the frontmost one.
    static Ref<Window1> Check(const std::filesystem::path& path)
    {
        fw::New<Class1>()->VersionCheck(fw::FolderItem::FromPath(path.string()));
        return fw::RuntimeCheckCast<Window1>(fw::WindowAt(0));
    }

    // Answers every message box with OK and keeps its text.
    void RecordMessageBoxes()
    {
        auto* timer = new QTimer(QApplication::instance());
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, timer, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                messages.push_back(box->text().toStdString());
                box->accept();
            }
        });
        timer->start();
    }

    std::vector<String> messages;
};

TEST_F(ResultWindowTest, ItsRecordComesFromItsTableAndItsHandlersAreHookedUpWeakly)
{
    const fw::ClassRecord& record = Window1::Lookup();
    EXPECT_EQ(record.name, "Window1.Window1");
    EXPECT_EQ(record.super, &fw::Window::Lookup());
    EXPECT_EQ(record.attributes, std::vector<fw::ClassAttribute>{fw::kPublicScope});
    testing::ExpectRecord(
        record,
        {
            {"Layout", "%%"}, {"CreateControls", "%%"}, {"_CreateControls0", "%%"},
            {"PushButton2", "%o<PushButton>%"}, {"StaticText1", "%o<Label>%"}, {"StaticText2", "%o<Label>%"},
            {"Canvas1", "%o<Canvas>%"}, {"StaticText3", "%o<Label>%"}, {"StaticText4", "%o<Label>%"},
            {"StaticText5", "%o<Label>%"}, {"PushButton2_Action", "%%o<PushButton>"},
            {"StaticText4_MouseDown", "%b%o<Label>i4i4"}, {"StaticText4_MouseExit", "%%o<Label>"},
            {"StaticText4_MouseEnter", "%%o<Label>"}, {"StaticText4_MouseUp", "%%o<Label>i4i4"},
            {"UntitledMenu0", "%o<MenuItem>%"}, {"kono", "%o<AppleMenuItem>%"}, {"EditClear", "%o<MenuItem>%"},
            {"EditPaste", "%o<MenuItem>%"}, {"EditCopy", "%o<MenuItem>%"}, {"EditCut", "%o<MenuItem>%"},
            {"UntitledMenu1", "%o<MenuItem>%"}, {"EditUndo", "%o<MenuItem>%"}, {"UntitledMenu2", "%o<MenuItem>%"},
            {"FileQuit", "%o<QuitMenuItem>%"}, {"hiraku", "%o<MenuItem>%"},
        },
        {"Layout/Layout", "CreateControls/CreateControls"});

    const auto window = NewWindow();
    struct Hookup {
        Ref<fw::Control> control;
        std::int32_t event;
        const char* parameterList;
    };
    for (const Hookup& h : {Hookup{window->PushButton2(), 15, "( PushButton )"},
                            Hookup{window->StaticText4(), 16, "( Label, Int32, Int32 ) as Boolean"},
                            Hookup{window->StaticText4(), 5, "( Label )"}, Hookup{window->StaticText4(), 4, "( Label )"},
                            Hookup{window->StaticText4(), 18, "( Label, Int32, Int32 )"}}) {
        const fw::HandlerInfo* info = h.control->EventHandlerInfo(h.event);
        ASSERT_NE(info, nullptr) << h.event;
        EXPECT_EQ(info->parameterList, h.parameterList);
        EXPECT_TRUE(info->weak);
    }
    for (const auto& control : {window->StaticText1(), window->StaticText2(), window->StaticText3(), window->StaticText5()}) {
        EXPECT_EQ(control->EventHandlerInfo(fw::ControlEvent::MouseDown), nullptr) << control->Name();
    }
    fw::WeakRef<Window1> watch = window;
    window->Close();
    EXPECT_EQ(watch.use_count(), 1) << "the delegates do not keep the window alive";
}

TEST_F(ResultWindowTest, ANewWindowShowsItsDesignBelowTheSharedMenuBar)
{
    EXPECT_EQ(Window1Design::Get().window.Encode().size(), 267u);
    EXPECT_EQ(fw::ReadPropertyBlob(fw::Window::Lookup(), Window1Design::Get().window.Encode()).size(), 21u);

    const auto window = NewWindow();
    fw::test::Settle();
    EXPECT_EQ(window->Title(), "");
    EXPECT_EQ(window->MenuBar(), Menu::Shared());
    EXPECT_EQ(window->ContentWidget()->size(), QSize(280, 150));
    EXPECT_EQ(window->NativeWindow()->minimumSize(), window->NativeWindow()->maximumSize()) << "fixed size";
    EXPECT_EQ(window->StaticText5(), window->StaticText5()) << "the same control every time";
    EXPECT_EQ(window->kono()->Text(), "Karvelio") << "found although it sits in the Edit menu";
    EXPECT_EQ(window->FileQuit()->Name(), "FileQuit");

    struct Expected {
        Ref<fw::RectControl> control;
        QRect geometry;
        std::int32_t tabIndex;
        String text;
        int pixelSize;
        QColor colour;
    };
    const QColor black(0, 0, 0);
    const Expected controls[] = {
        {window->PushButton2(), {183, 111, 69, 20}, 0, "閉じる", 12, black},
        {window->StaticText1(), {20, 10, 240, 20}, 1, "Karvelio", 12, black},
        {window->StaticText2(), {104, 42, 161, 20}, 2, "Adobe InDesign CS3", 12, black},
        {window->Canvas1(), {34, 42, 64, 64}, 3, "", 0, black},
        {window->StaticText3(), {105, 61, 137, 18}, 4, "Macintosh Edition", 10, black},
        {window->StaticText4(), {20, 114, 151, 20}, 5, MakerWebLink(), 12, QColor(0, 0, 255)},
        {window->StaticText5(), {105, 82, 160, 25}, 6, "サブバージョン不明", 14, black},
    };
    for (const Expected& e : controls) {
        SCOPED_TRACE(e.control->Name());
        EXPECT_EQ(e.control->Widget()->geometry(), e.geometry);
        EXPECT_EQ(e.control->TabIndex(), e.tabIndex);
        EXPECT_EQ(e.control->Index(), fw::kNoControlArray);
        if (const auto label = std::dynamic_pointer_cast<fw::Label>(e.control)) {
            EXPECT_EQ(label->Text(), e.text);
            EXPECT_EQ(label->LabelWidget()->font().pixelSize(), e.pixelSize);
            EXPECT_EQ(label->LabelWidget()->palette().color(QPalette::WindowText), e.colour);
            EXPECT_EQ(label->TextAlign(), label->Name() == "StaticText5" ? 1 : 0);
            EXPECT_EQ(label->TextFont(), "Osaka");
        } else if (const auto button = std::dynamic_pointer_cast<fw::PushButton>(e.control)) {
            EXPECT_EQ(button->ButtonWidget()->text().toStdString(), e.text);
            EXPECT_EQ(button->ButtonWidget()->font().pixelSize(), e.pixelSize);
        } else {
            EXPECT_EQ(window->Canvas1()->Backdrop(), nullptr);
        }
    }
}

TEST_F(ResultWindowTest, EachRealDocumentGetsAWindowOfItsOwnShowingWhatTheManifestSays)
{
    const auto rows = testing::ReadManifest();
    if (rows.empty()) {
        GTEST_SKIP() << "no real documents at " << testing::TestDataFolder();
    }
    const std::map<String, PictureAccessor> pictures = {
        {"Adobe InDesign CS", cs},    {"Adobe InDesign CS2", cs2}, {"Adobe InDesign CS3", cs3},
        {"Adobe InDesign CS4", cs4},  {"Adobe InDesign CS5", cs5}, {"Adobe InDesign CS5.5", cs55},
        {"バージョン不明", ind},
    };
    std::vector<Ref<Window1>> windows;
    for (const testing::ManifestRow& row : rows) {
        windows.push_back(Check(testing::TestDataFolder() / row.file));
    }
    EXPECT_EQ(fw::WindowCount(), static_cast<std::int32_t>(rows.size()));
    EXPECT_TRUE(messages.empty());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const testing::ManifestRow& row = rows[i];
        const Ref<Window1>& window = windows[i];
        SCOPED_TRACE(row.file);
        ASSERT_TRUE(window);
        EXPECT_EQ(window->Title(), row.file);
        EXPECT_EQ(window->NativeWindow()->windowTitle().toStdString(), row.file);
        EXPECT_EQ(window->StaticText2()->Text(), row.release);
        EXPECT_EQ(window->StaticText3()->Text(), row.EditionShown());
        EXPECT_EQ(window->StaticText5()->Text(), row.SubVersionUntouched() ? "サブバージョン不明" : row.subVersion);
        ASSERT_TRUE(pictures.contains(row.release));
        const Ref<fw::Picture> picture = pictures.at(row.release)();
        ASSERT_NE(picture, nullptr) << "the pictures are drawn into the build's Resources folder";
        EXPECT_EQ(window->Canvas1()->Backdrop(), picture);
    }
}

TEST_F(ResultWindowTest, AnUnreadableDocumentShowsTheFailureMessageThenQuitsWithZero)
{
    const testing::TempDir folder;
    for (const std::filesystem::path& path : {folder.Path(), folder.Path() / "missing.indd"}) {
        SCOPED_TRACE(path);
        RecordMessageBoxes();
        const auto window = Check(path);
        EXPECT_EQ(messages, std::vector<String>{"エラーが起こりましたので\n終了します"});
        EXPECT_TRUE(fw::EventLoop::QuitRequested());
        ASSERT_TRUE(window);
        EXPECT_EQ(window->Title(), path.filename().string());
        EXPECT_EQ(window->StaticText2()->Text(), "Adobe InDesign CS3") << "the window stays as the failure left it";
        EXPECT_FALSE(window->IsClosed());
        EXPECT_EQ(fw::RuntimeExit(), 0);
        messages.clear();
        fw::RuntimeInit();
    }
}

TEST_F(ResultWindowTest, CloseClosesTheFrontmostWindowWhicheverThatIs)
{
    const auto result = NewWindow();
    const auto other = fw::test::MakeWindow(fw::test::FixedWindow().Encode());
    result->PushButton2()->Push();
    EXPECT_TRUE(other->IsClosed());
    EXPECT_FALSE(result->IsClosed());
    result->PushButton2()->Push();
    EXPECT_TRUE(result->IsClosed());
    EXPECT_THROW(result->PushButton2_Action(nullptr), fw::NilObjectException) << "no window left to close";
}

TEST_F(ResultWindowTest, TheLinkTurnsRedUnderTheMouseAndOpensThePageOnceOnRelease)
{
    const auto window = NewWindow();
    QWidget* link = window->StaticText4()->Widget();
    const auto colour = [&] { return window->StaticText4()->TextColor(); };
    for (int crossing = 0; crossing < 2; ++crossing) {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(link, &enter);
        EXPECT_EQ(colour(), fw::RGB(255, 0, 0));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, &leave);
        EXPECT_EQ(colour(), fw::RGB(0, 0, 255));
    }
    fw::test::UrlRecorder recorder;
    QDesktopServices::setUrlHandler("https", &recorder, "open");
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(400, 300)); // released far outside
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_EQ(recorder.urls, QStringList{QString::fromStdString(MakerWebLink())});
    EXPECT_EQ(MakerWebLink(), window->StaticText4()->Text());
}

// Closing one window while its document is being scanned must not end in
// the failure message and the quit of the whole program: the scan finishes
// on the closed window's controls, which nobody sees any more.
TEST_F(ResultWindowTest, AWindowClosedDuringItsScanEndsQuietly)
{
    const testing::TempDir folder;
    const auto document = DocumentBuilder(DocumentBuilder::ByteOrder::Little)
                              .Version(6)
                              .Size(DocumentBuilder::ChunkOffset(64))
                              .Bytes();
    const auto path = folder.Write("long.indd", document);
    RecordMessageBoxes();
    // Runs at the scan's first yield to the event loop.
    QTimer::singleShot(0, [] { fw::Deref(fw::WindowAt(0)).Close(); });
    const auto window = Check(path);
    EXPECT_EQ(window, nullptr) << "closed before the scan ended";
    EXPECT_EQ(fw::WindowCount(), 0);
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(fw::EventLoop::QuitRequested());
}

} // namespace
} // namespace karvelio
