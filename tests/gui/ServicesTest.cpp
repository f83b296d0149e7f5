// Message boxes, links handed to the system, and the open-file dialog
// filtered by the registered file types.

#include <QDesktopServices>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "framework/core/FileType.h"
#include "framework/gui/Services.h"
#include "tests/gui/GuiTestSupport.h"
#include "tests/gui/UrlRecorder.h"
#include "tests/support/TempDir.h"

namespace fw::test {
namespace {

using ServicesTest = GuiTest;

TEST_F(ServicesTest, MsgBoxShowsItsTextAndReturnsWhenDismissed)
{
    QString shown;
    AnswerModal<QMessageBox>([&](QMessageBox* box) {
        shown = box->text();
        box->accept();
    });
    MsgBox("エラーが起こりましたので\n終了します");
    EXPECT_EQ(shown, QString::fromUtf8("エラーが起こりましたので\n終了します"));
}

TEST_F(ServicesTest, ShowURLHandsWebAndMailLinksToTheSystem)
{
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("https", &recorder, "open");
    QDesktopServices::setUrlHandler("mailto", &recorder, "open");
    ShowURL("https://example.org/");
    ShowURL("mailto:someone@example.org");
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("mailto");
    EXPECT_EQ(recorder.urls, (QStringList{"https://example.org/", "mailto:someone@example.org"}));
}

class OpenDialog : public ServicesTest {
protected:
    void SetUp() override
    {
        ServicesTest::SetUp();
        type = New<FileType>();
        type->SetName("indd");
        type->SetExtensions(".indd");
        type->SetMacType("????");
        type->SetMacCreator("InDn");
        static_cast<void>(static_cast<String>(*type));
    }
    void TearDown() override
    {
        type.reset();
        ServicesTest::TearDown();
    }
    Ref<FileType> type;
    karvelio::testing::TempDir folder;
};

TEST_F(OpenDialog, OffersTheRegisteredTypesThatTheFilterNames)
{
    EXPECT_EQ(OpenDialogNameFilter("indd"), "indd (*.indd)");
    EXPECT_EQ(OpenDialogNameFilter("pdf"), "All files (*)");
}

TEST_F(OpenDialog, GivesTheChosenFile)
{
    const std::string document = folder.Write("doc.indd", "x").string();
    QStringList filters;
    AnswerOpenDialogWith(document, filters);
    const Ref<FolderItem> chosen = GetOpenFolderItem("indd");
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->NativePath(), document);
    EXPECT_EQ(filters, QStringList{"indd (*.indd)"});
}

TEST_F(OpenDialog, GivesNilWhenCancelled)
{
    AnswerModal<QFileDialog>([](QFileDialog* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    EXPECT_EQ(GetOpenFolderItem("indd"), nullptr);
}

} // namespace
} // namespace fw::test
