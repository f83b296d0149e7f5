#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "framework/core/ByteStrings.h"
#include "framework/core/ClassRegistry.h"
#include "framework/core/Color.h"
#include "framework/core/MenuBar.h"
#include "framework/core/Object.h"
#include "framework/core/Ref.h"

class QMainWindow;
class QWidget;

namespace fw {

class Control;
class NativeWindow;
class RectControl;

// A window. A program subclasses it, builds its content in Layout (property
// blob, menu bar) and CreateControls, and handles Open by overriding
// Event_Open. Objects are made first (New, or RuntimeNewObject) and built by
// Constructor(); an open window is held by the window list until it closes.
//
// Codes of the window blob in this framework:
//   Frame      0 document window; 2 dialog-style window (Qt::Dialog, not
//              modal). Other codes are kept and shown as a document window.
//   Placement  0 default placement (the window system's choice); 2 centred on
//              the primary screen. Other codes are kept and placed as 0.
//   Width, Height and the four limits are the content area's, below any
//   menu bar. A window that is not Resizeable keeps its Width and Height.
//   Composite, FullScreen, LiveResize and MacProcId are kept as given.
class Window : public Object {
public:
    Window();
    ~Window() override;

    static const ClassRecord& Lookup();
    const ClassRecord& Class() const override { return Lookup(); }

    // Raises Layout and CreateControls, clears ContentsChanged, then shows
    // the window when Visible is True (which raises Open). When one of them
    // throws, the half-built window is closed and the exception passes on.
    void Constructor();

    // The window's building events and its Open event; a window class
    // overrides those it handles.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void Event_Open() {}

    // Shows the window in front of the others; the first time, raises Open.
    void Show();
    // Closes the window: it leaves the window list (and the implicit-instance
    // list when it is its class's instance) and its Qt window goes. Closing a
    // closed window does nothing.
    void Close();
    bool IsClosed() const { return m_closed; }

    Ref<fw::MenuBar> MenuBar() const { return m_menuBar; }
    // Stores the menu bar and tells the menus code (the hook below), which
    // shows it with InstallMenuBarView.
    void SetMenuBar(Ref<fw::MenuBar> menuBar);

    // Called after a window's menu bar has been set; the menus code installs
    // it once at start-up. An empty hook stores the bar only.
    static void SetMenuBarChangedHook(std::function<void(Window&)> hook);

    // Controls. New makes a control of the record's class for this window
    // (nil for a class that is not a control); AddControl files it under a
    // name; ControlByName finds it (nil for a name not added).
    Ref<Object> New(const ClassRecord& record);
    template <class T>
    Ref<T> New()
    {
        return RuntimeCheckCast<T>(New(T::Lookup()));
    }
    void AddControl(const String& name, const Ref<Control>& control);
    Ref<Control> ControlByName(const String& name) const;

    // The accessors of a window class's controls and menu items: looked up
    // afresh on every call, never cached. ControlAs gives nil for a name not
    // added or a control of another class; MenuItemAs searches the whole
    // tree below the window's menu bar and raises NilObjectException when
    // the window has none.
    template <class T>
    Ref<T> ControlAs(const String& name) const
    {
        return RuntimeCheckCast<T>(ControlByName(name));
    }
    template <class T>
    Ref<T> MenuItemAs(const String& name) const
    {
        return Deref(MenuBar(), "menu bar of the window").template LookupAs<T>(name);
    }

    // The property blob's 21 entries.
    std::int32_t Placement() const { return m_placement; }
    void SetPlacement(std::int32_t value) { m_placement = value; }
    std::int32_t Width() const { return m_width; }
    void SetWidth(std::int32_t value);
    std::int32_t Height() const { return m_height; }
    void SetHeight(std::int32_t value);
    std::int32_t MinWidth() const { return m_minWidth; }
    void SetMinWidth(std::int32_t value);
    std::int32_t MinHeight() const { return m_minHeight; }
    void SetMinHeight(std::int32_t value);
    std::int32_t MaxWidth() const { return m_maxWidth; }
    void SetMaxWidth(std::int32_t value);
    std::int32_t MaxHeight() const { return m_maxHeight; }
    void SetMaxHeight(std::int32_t value);
    std::int32_t Frame() const { return m_frame; }
    void SetFrame(std::int32_t value);
    bool Composite() const { return m_composite; }
    void SetComposite(bool value) { m_composite = value; }
    bool HasBackColor() const { return m_hasBackColor; }
    void SetHasBackColor(bool value);
    Color BackColor() const { return m_backColor; }
    void SetBackColor(Color value);
    const String& Title() const { return m_title; }
    void SetTitle(const String& value);
    bool Visible() const { return m_visible; }
    void SetVisible(bool value);
    bool FullScreen() const { return m_fullScreen; }
    void SetFullScreen(bool value) { m_fullScreen = value; }
    bool MenuBarVisible() const { return m_menuBarVisible; }
    void SetMenuBarVisible(bool value);
    bool CloseButton() const { return m_closeButton; }
    void SetCloseButton(bool value);
    bool Resizeable() const { return m_resizeable; }
    void SetResizeable(bool value);
    bool LiveResize() const { return m_liveResize; }
    void SetLiveResize(bool value) { m_liveResize = value; }
    bool MaximizeButton() const { return m_maximizeButton; }
    void SetMaximizeButton(bool value);
    bool MinimizeButton() const { return m_minimizeButton; }
    void SetMinimizeButton(bool value);
    std::int32_t MacProcId() const { return m_macProcId; }
    void SetMacProcId(std::int32_t value) { m_macProcId = value; }

    // The modified mark of the window's document.
    bool ContentsChanged() const { return m_contentsChanged; }
    void SetContentsChanged(bool value);

    // The Qt side, for the framework's own views and tests; nil once the
    // window has closed.
    QMainWindow* NativeWindow() const;
    QWidget* ContentWidget() const;

    // Puts a menu bar view (or nil for none) above the content area; the
    // window owns it from here on. MenuBarVisible applies to it, and the
    // content area keeps its size.
    void InstallMenuBarView(QWidget* view);

    // Re-applies the size limits, e.g. after a menu bar view came or went.
    void UpdateGeometry();
    // Moves the keyboard focus to the next (or previous) control in
    // TabIndex order; false when no control takes focus by tab.
    bool FocusNext(bool forward);
    // Called by the Qt window: the user activated or closed it, or pressed
    // Return or Escape (default and cancel buttons).
    void NativeActivated();
    void NativeCloseRequested();
    bool NativeKey(int key);

private:
    void ApplyFlags();
    void ApplyBackground();
    void Place();
    void ShowNative();
    void AdoptControl(const Ref<Control>& control);
    void DetachControls();
    void DestroyNative();

    fw::NativeWindow* m_native = nullptr;
    QWidget* m_content = nullptr;
    Ref<fw::MenuBar> m_menuBar;
    std::vector<Ref<Control>> m_controls;                   // every control made for this window
    std::vector<std::pair<String, Ref<Control>>> m_named;   // AddControl order

    std::int32_t m_placement = 0;
    std::int32_t m_width = 300;
    std::int32_t m_height = 300;
    std::int32_t m_minWidth = 64;
    std::int32_t m_minHeight = 64;
    std::int32_t m_maxWidth = 32000;
    std::int32_t m_maxHeight = 32000;
    std::int32_t m_frame = 0;
    bool m_composite = false;
    bool m_hasBackColor = false;
    Color m_backColor{255, 255, 255};
    String m_title;
    bool m_visible = true;
    bool m_fullScreen = false;
    bool m_menuBarVisible = true;
    bool m_closeButton = true;
    bool m_resizeable = true;
    bool m_liveResize = true;
    bool m_maximizeButton = true;
    bool m_minimizeButton = true;
    std::int32_t m_macProcId = 0;
    bool m_contentsChanged = false;

    bool m_constructing = false;
    bool m_opened = false;
    bool m_placed = false;
    bool m_closed = false;
};

} // namespace fw
