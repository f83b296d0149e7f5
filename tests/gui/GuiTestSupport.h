#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "framework/core/ClassRegistry.h"
#include "framework/core/MassPropertySetter.h"
#include "framework/core/WindowDesign.h"
#include "framework/gui/Runtime.h"
#include "framework/gui/Window.h"

namespace fw::test {

// Every GUI test starts the framework afresh and shuts it down after.
class GuiTest : public testing::Test {
protected:
    void SetUp() override { RuntimeInit(); }
    void TearDown() override { RuntimeExit(); }
};

// Answers the next modal dialog of class T once it is on screen: a timer
// polls for it, so the answer never comes before the dialog exists.
template <class T>
void AnswerModal(std::function<void(T*)> answer)
{
    auto* timer = new QTimer(QApplication::instance());
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()); dialog != nullptr && dialog->isVisible()) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        }
    });
    timer->start();
}

// Answers the next open dialog with `path`, typed into its file name box: the
// dialog's directory model fills in on a thread of its own, and typing the
// path waits on nothing. The dialog's name filters go to `filtersSeen`.
inline void AnswerOpenDialogWith(const std::string& path, QStringList& filtersSeen)
{
    AnswerModal<QFileDialog>([path, &filtersSeen](QFileDialog* dialog) {
        filtersSeen = dialog->nameFilters();
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText(QString::fromStdString(path));
        static_cast<QDialog*>(dialog)->accept();
    });
}

// A window built from a blob, with controls made by a test, recording the
// events the framework raises on it.
class TestWindow : public Window {
public:
    static const ClassRecord& Lookup()
    {
        return RegisterClass("TestWindow.TestWindow", [] {
            ClassRecord record;
            record.name = "TestWindow.TestWindow";
            record.super = &Window::Lookup();
            record.factory = FactoryOf<TestWindow>();
            record.attributes = {{"__Scope", "Public", true}};
            record.events = {{"Layout", "Layout"}, {"CreateControls", "CreateControls"}, {"Open", "Event_Open"}};
            return record;
        });
    }
    const ClassRecord& Class() const override { return Lookup(); }

    void Layout() override
    {
        events.push_back("Layout");
        if (!blob.empty()) {
            SetProperties(shared_from_this(), blob);
        }
    }
    void CreateControls() override
    {
        events.push_back("CreateControls");
        if (build) {
            build(*this);
        }
    }
    void Event_Open() override { events.push_back("Open"); }

    String blob;
    std::function<void(TestWindow&)> build;
    std::vector<String> events;
};

inline Ref<TestWindow> MakeWindow(const String& blob, std::function<void(TestWindow&)> build = {})
{
    auto window = New<TestWindow>();
    window->blob = blob;
    window->build = std::move(build);
    window->Constructor();
    return window;
}

// The window the tests build on: 280 by 150 and fixed at that size.
inline WindowDesign FixedWindow()
{
    WindowDesign design;
    design.width = design.minWidth = design.maxWidth = 280;
    design.height = design.minHeight = design.maxHeight = 150;
    design.resizeable = design.liveResize = design.maximizeButton = design.minimizeButton = false;
    return design;
}

// Lets Qt lay out and deliver what is pending.
inline void Settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace fw::test
