#include "framework/gui/Window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QPalette>
#include <QScreen>
#include <algorithm>

#include "framework/core/NilObjectException.h"
#include "framework/gui/Control.h"
#include "framework/gui/EventLoop.h"
#include "framework/gui/NativeWindow.h"
#include "framework/gui/PushButton.h"
#include "framework/gui/QtText.h"
#include "framework/gui/RectControl.h"
#include "framework/gui/WindowList.h"

namespace fw {

namespace {

constexpr std::int32_t kFrameDialog = 2;
constexpr std::int32_t kPlacementCentredOnScreen = 2;
// Qt's own upper limit for widget sizes.
constexpr std::int32_t kLargestSize = 16777215;

int Bounded(std::int32_t value)
{
    return std::clamp<std::int32_t>(value, 0, kLargestSize);
}

std::function<void(Window&)>& MenuBarChangedHook()
{
    static std::function<void(Window&)> hook;
    return hook;
}

} // namespace

const ClassRecord& Window::Lookup()
{
    return RegisterClass("Window", [] {
        ClassRecord record;
        record.name = "Window";
        record.super = &Object::Lookup();
        record.factory = FactoryOf<Window>();
        record.properties = {
            IntegerProperty("Placement", &Window::SetPlacement),
            IntegerProperty("Width", &Window::SetWidth),
            IntegerProperty("Height", &Window::SetHeight),
            IntegerProperty("MinWidth", &Window::SetMinWidth),
            IntegerProperty("MinHeight", &Window::SetMinHeight),
            IntegerProperty("MaxWidth", &Window::SetMaxWidth),
            IntegerProperty("MaxHeight", &Window::SetMaxHeight),
            IntegerProperty("Frame", &Window::SetFrame),
            BooleanProperty("Composite", &Window::SetComposite),
            BooleanProperty("HasBackColor", &Window::SetHasBackColor),
            ColourProperty("BackColor", &Window::SetBackColor),
            TextProperty("Title", &Window::SetTitle),
            BooleanProperty("Visible", &Window::SetVisible),
            BooleanProperty("FullScreen", &Window::SetFullScreen),
            BooleanProperty("MenuBarVisible", &Window::SetMenuBarVisible),
            BooleanProperty("CloseButton", &Window::SetCloseButton),
            BooleanProperty("Resizeable", &Window::SetResizeable),
            BooleanProperty("LiveResize", &Window::SetLiveResize),
            BooleanProperty("MaximizeButton", &Window::SetMaximizeButton),
            BooleanProperty("MinimizeButton", &Window::SetMinimizeButton),
            IntegerProperty("MacProcId", &Window::SetMacProcId),
        };
        // The operations window classes build on; a subclass's own follow them.
        record.operations = {
            {"Constructor", "%%", {}},
            {"Show", "%%", {}},
            {"Close", "%%", {}},
            {"AddControl", "%%so<Control>", {}},
            {"New", "%o<Object>%", {}},
            {"ControlByName", "%o<Control>%s", {}},
        };
        return record;
    });
}

Window::Window() = default;

Window::~Window()
{
    DetachControls();
    DestroyNative();
}

void Window::Constructor()
{
    if (m_native != nullptr || m_closed) {
        return; // built once
    }
    EventLoop::RequireApplication("a window");
    m_native = new fw::NativeWindow(std::static_pointer_cast<Window>(shared_from_this()));
    m_native->setAttribute(Qt::WA_DeleteOnClose, false);
    m_content = new QWidget(m_native);
    m_native->setCentralWidget(m_content);
    ApplyFlags();
    ApplyBackground();
    UpdateGeometry();
    m_native->setWindowTitle(ToQString(m_title));
    WindowList::Add(std::static_pointer_cast<Window>(shared_from_this()));

    m_constructing = true;
    try {
        Layout();
        CreateControls();
        m_constructing = false;
        SetContentsChanged(false);
        if (m_visible) {
            Show();
        }
    } catch (...) {
        m_constructing = false;
        Close();
        throw;
    }
}

void Window::Show()
{
    m_visible = true;
    if (m_constructing || m_native == nullptr) {
        return;
    }
    ShowNative();
    WindowList::BringToFront(*this);
    if (!m_opened) {
        m_opened = true;
        Event_Open();
    }
}

void Window::ShowNative()
{
    UpdateGeometry();
    Place();
    // Showing brings a minimised window back as well.
    m_native->setWindowState(m_native->windowState() & ~Qt::WindowMinimized);
    m_native->show();
    m_native->raise();
    m_native->activateWindow();
}

void Window::Close()
{
    if (m_closed) {
        return;
    }
    m_closed = true;
    // Hold this window until closing is done: the list may hold the last reference.
    const Ref<Object> self = weak_from_this().lock();
    WindowList::Remove(*this);
    WindowList::ForgetImplicit(*this);
    DetachControls();
    if (m_native != nullptr) {
        m_native->hide();
        // Later: Close is often called from a handler of one of its own widgets.
        m_native->deleteLater();
        m_native = nullptr;
        m_content = nullptr;
    }
}

void Window::DestroyNative()
{
    if (m_native == nullptr) {
        return;
    }
    if (QCoreApplication::instance() != nullptr) {
        m_native->hide();
        m_native->deleteLater();
    }
    m_native = nullptr;
    m_content = nullptr;
}

void Window::SetMenuBarChangedHook(std::function<void(Window&)> hook)
{
    MenuBarChangedHook() = std::move(hook);
}

void Window::SetMenuBar(Ref<fw::MenuBar> menuBar)
{
    m_menuBar = std::move(menuBar);
    if (MenuBarChangedHook() && m_native != nullptr) {
        MenuBarChangedHook()(*this);
    }
}

Ref<Object> Window::New(const ClassRecord& record)
{
    const Ref<Control> control = RuntimeCheckCast<Control>(RuntimeNewObject(record));
    if (control) {
        AdoptControl(control);
    }
    return control;
}

void Window::AddControl(const String& name, const Ref<Control>& control)
{
    Deref(control, "control for window");
    AdoptControl(control);
    control->SetName(name);
    const auto found = std::find_if(m_named.begin(), m_named.end(), [&](const auto& entry) { return entry.first == name; });
    if (found != m_named.end()) {
        found->second = control;
    } else {
        m_named.emplace_back(name, control);
    }
}

Ref<Control> Window::ControlByName(const String& name) const
{
    for (const auto& [entryName, control] : m_named) {
        if (entryName == name) {
            return control;
        }
    }
    return nullptr;
}

void Window::AdoptControl(const Ref<Control>& control)
{
    if (std::find(m_controls.begin(), m_controls.end(), control) == m_controls.end()) {
        m_controls.push_back(control);
    }
    control->SetOwner(std::static_pointer_cast<Window>(shared_from_this()));
    if (const auto rect = std::dynamic_pointer_cast<RectControl>(control); rect && m_content != nullptr) {
        rect->AttachTo(m_content);
    }
}

void Window::DetachControls()
{
    for (const Ref<Control>& control : m_controls) {
        if (const auto rect = std::dynamic_pointer_cast<RectControl>(control)) {
            rect->DetachWidget();
        }
    }
}

bool Window::FocusNext(bool forward)
{
    // Tab order is the controls' TabIndex order (creation order breaks ties),
    // kept here rather than in Qt's focus chain, which follows the order the
    // widgets joined the window.
    std::vector<RectControl*> chain;
    for (const auto& entry : m_named) {
        auto* rect = dynamic_cast<RectControl*>(entry.second.get());
        QWidget* widget = rect != nullptr ? rect->Widget() : nullptr;
        if (widget != nullptr && widget->isVisibleTo(m_native) && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus) != 0) {
            chain.push_back(rect);
        }
    }
    if (chain.empty()) {
        return false;
    }
    std::stable_sort(chain.begin(), chain.end(),
                     [](const RectControl* a, const RectControl* b) { return a->TabIndex() < b->TabIndex(); });
    const QWidget* focused = QApplication::focusWidget();
    const auto current = std::find_if(chain.begin(), chain.end(), [&](const RectControl* rect) {
        return focused != nullptr && (rect->Widget() == focused || rect->Widget()->isAncestorOf(focused));
    });
    std::size_t next = 0;
    if (current != chain.end()) {
        const auto at = static_cast<std::size_t>(current - chain.begin());
        next = forward ? (at + 1) % chain.size() : (at + chain.size() - 1) % chain.size();
    } else if (!forward) {
        next = chain.size() - 1;
    }
    chain[next]->Widget()->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void Window::SetWidth(std::int32_t value)
{
    m_width = value;
    UpdateGeometry();
}

void Window::SetHeight(std::int32_t value)
{
    m_height = value;
    UpdateGeometry();
}

void Window::SetMinWidth(std::int32_t value)
{
    m_minWidth = value;
    UpdateGeometry();
}

void Window::SetMinHeight(std::int32_t value)
{
    m_minHeight = value;
    UpdateGeometry();
}

void Window::SetMaxWidth(std::int32_t value)
{
    m_maxWidth = value;
    UpdateGeometry();
}

void Window::SetMaxHeight(std::int32_t value)
{
    m_maxHeight = value;
    UpdateGeometry();
}

void Window::SetFrame(std::int32_t value)
{
    m_frame = value;
    ApplyFlags();
}

void Window::SetHasBackColor(bool value)
{
    m_hasBackColor = value;
    ApplyBackground();
}

void Window::SetBackColor(Color value)
{
    m_backColor = value;
    ApplyBackground();
}

void Window::SetTitle(const String& value)
{
    m_title = value;
    if (m_native != nullptr) {
        m_native->setWindowTitle(ToQString(m_title));
    }
}

void Window::SetVisible(bool value)
{
    if (value) {
        Show();
        return;
    }
    m_visible = false;
    if (m_native != nullptr && !m_constructing) {
        m_native->hide();
    }
}

void Window::SetMenuBarVisible(bool value)
{
    m_menuBarVisible = value;
    if (m_native != nullptr && m_native->menuWidget() != nullptr) {
        m_native->menuWidget()->setVisible(value);
        UpdateGeometry();
    }
}

void Window::SetCloseButton(bool value)
{
    m_closeButton = value;
    ApplyFlags();
}

void Window::SetResizeable(bool value)
{
    m_resizeable = value;
    UpdateGeometry();
}

void Window::SetMaximizeButton(bool value)
{
    m_maximizeButton = value;
    ApplyFlags();
}

void Window::SetMinimizeButton(bool value)
{
    m_minimizeButton = value;
    ApplyFlags();
}

void Window::SetContentsChanged(bool value)
{
    m_contentsChanged = value;
}

void Window::InstallMenuBarView(QWidget* view)
{
    if (m_native == nullptr) {
        delete view; // a closed window shows nothing
        return;
    }
    m_native->setMenuWidget(view);
    if (view != nullptr) {
        view->setVisible(m_menuBarVisible);
    }
    UpdateGeometry();
}

QMainWindow* Window::NativeWindow() const
{
    return m_native;
}

QWidget* Window::ContentWidget() const
{
    return m_content;
}

void Window::ApplyFlags()
{
    if (m_native == nullptr) {
        return;
    }
    Qt::WindowFlags flags = (m_frame == kFrameDialog ? Qt::Dialog : Qt::Window);
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (m_closeButton) {
        flags |= Qt::WindowCloseButtonHint;
    }
    if (m_minimizeButton) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (m_maximizeButton) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    if (m_native->windowFlags() == flags) {
        return;
    }
    // Changing the flags hides a shown window; show it again.
    const bool shown = m_native->isVisible();
    m_native->setWindowFlags(flags);
    if (shown) {
        m_native->show();
    }
}

void Window::ApplyBackground()
{
    if (m_content == nullptr) {
        return;
    }
    QPalette palette = QGuiApplication::palette();
    if (m_hasBackColor) {
        palette.setColor(QPalette::Window, QColor(m_backColor.red, m_backColor.green, m_backColor.blue));
    }
    m_content->setPalette(palette);
    m_content->setAutoFillBackground(m_hasBackColor);
}

void Window::UpdateGeometry()
{
    if (m_native == nullptr) {
        return;
    }
    // A window that cannot be resized keeps its Width and Height whatever its limits say.
    const int minWidth = Bounded(m_resizeable ? m_minWidth : m_width);
    const int minHeight = Bounded(m_resizeable ? m_minHeight : m_height);
    const int maxWidth = std::max(minWidth, Bounded(m_resizeable ? m_maxWidth : m_width));
    const int maxHeight = std::max(minHeight, Bounded(m_resizeable ? m_maxHeight : m_height));
    m_content->setMinimumSize(minWidth, minHeight);
    m_content->setMaximumSize(maxWidth, maxHeight);
    // Before the window is first shown isVisible() says nothing: a view
    // counts unless it was hidden on purpose.
    const QWidget* menu = m_native->menuWidget();
    const bool menuShown = menu != nullptr && !(menu->isHidden() && menu->testAttribute(Qt::WA_WState_ExplicitShowHide));
    const int menuHeight = menuShown ? menu->sizeHint().height() : 0;
    const int width = std::clamp(Bounded(m_width), minWidth, maxWidth);
    const int height = std::clamp(Bounded(m_height), minHeight, maxHeight);
    m_native->setMinimumSize(minWidth, minHeight + menuHeight);
    m_native->setMaximumSize(maxWidth, std::min(kLargestSize, maxHeight + menuHeight));
    m_native->resize(width, height + menuHeight);
    m_content->resize(width, height);
}

void Window::Place()
{
    if (m_placed) {
        return;
    }
    m_placed = true;
    if (m_placement != kPlacementCentredOnScreen) {
        return; // the window system's choice
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    QRect frame = m_native->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    m_native->move(frame.topLeft());
}

void Window::NativeActivated()
{
    WindowList::BringToFront(*this);
}

void Window::NativeCloseRequested()
{
    Close();
}

bool Window::NativeKey(int key)
{
    const bool isReturn = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool isEscape = key == Qt::Key_Escape;
    if (!isReturn && !isEscape) {
        return false;
    }
    for (const auto& entry : m_named) {
        const auto button = std::dynamic_pointer_cast<PushButton>(entry.second);
        if (button && button->Enabled() && button->Visible() && (isReturn ? button->Default() : button->Cancel())) {
            button->Push();
            return true;
        }
    }
    return false;
}

} // namespace fw
