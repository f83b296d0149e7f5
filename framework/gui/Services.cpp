#include "framework/gui/Services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>
#include <iostream>

#include "framework/core/FileTypeRegistry.h"
#include "framework/gui/EventLoop.h"
#include "framework/gui/QtText.h"

namespace fw {

namespace {

// Announces a modal loop to the event loop, so a quit or a failure ends it.
struct ModalLoop {
    ModalLoop() { EventLoop::EnterModalLoop(); }
    ~ModalLoop() { EventLoop::LeaveModalLoop(); }
    ModalLoop(const ModalLoop&) = delete;
    ModalLoop& operator=(const ModalLoop&) = delete;
};

} // namespace

void MsgBox(const String& text)
{
    if (QApplication::instance() == nullptr) {
        std::cerr << text << std::endl;
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), ToQString(text), QMessageBox::Ok);
    const ModalLoop modal;
    box.exec();
}

void ShowURL(const String& url)
{
    QDesktopServices::openUrl(QUrl(ToQString(url)));
}

String OpenDialogNameFilter(std::string_view filter)
{
    const std::vector<String> patterns = FileTypeFilterPatterns(filter);
    if (patterns.empty()) {
        return "All files (*)";
    }
    String joined;
    for (const String& pattern : patterns) {
        joined += (joined.empty() ? "" : " ") + pattern;
    }
    return String(filter) + " (" + joined + ")";
}

Ref<FolderItem> GetOpenFolderItem(const String& filter)
{
    EventLoop::RequireApplication("the open-file dialog");
    QFileDialog dialog;
    // Qt's own dialog everywhere: the same behaviour on every desktop, and in tests.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(ToQString(OpenDialogNameFilter(filter)));
    int result = QDialog::Rejected;
    {
        const ModalLoop modal;
        result = dialog.exec();
    }
    const QStringList files = dialog.selectedFiles();
    if (result != QDialog::Accepted || files.isEmpty()) {
        return nullptr;
    }
    const QByteArray path = files.front().toUtf8();
    return FolderItem::FromPath(std::string(path.constData(), static_cast<std::size_t>(path.size())));
}

} // namespace fw
