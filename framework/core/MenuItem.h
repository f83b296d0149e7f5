#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "framework/core/ByteStrings.h"
#include "framework/core/ClassRegistry.h"
#include "framework/core/Object.h"
#include "framework/core/Ref.h"
#include "framework/core/Subscription.h"

namespace fw {

// One entry of a menu tree: a menu when it has children, a command when it
// has none, a separator line when its Text is "-". The tree is plain data so
// that the program builds it without the GUI; every window that shows a menu
// bar shows a view of the same tree, and each view learns of enabled-state
// changes through ObserveEnabled.
//
// Items are found by Name (byte for byte), never by position or text.
class MenuItem : public Object {
public:
    static constexpr const char* kSeparatorText = "-";

    MenuItem();
    ~MenuItem() override;

    // The class record. Lookup(name) below finds an item; this one, with no
    // argument, is the record that casts and creation by record use.
    static const ClassRecord& Lookup();
    const ClassRecord& Class() const override { return Lookup(); }

    const String& Name() const { return m_name; }
    void SetName(String name) { m_name = std::move(name); }

    const String& Text() const { return m_text; }
    void SetText(String text) { m_text = std::move(text); }
    bool IsSeparator() const { return m_text == kSeparatorText; }

    // Texts such as "Cmd+O": the Command key is the platform's primary
    // modifier. A new item has no shortcut; KeyboardShortcut() is then "", the
    // same as a shortcut set to "", which also binds no key.
    const String& KeyboardShortcut() const;
    bool HasKeyboardShortcut() const { return m_keyboardShortcut.has_value(); }
    void SetKeyboardShortcut(String shortcut) { m_keyboardShortcut = std::move(shortcut); }

    // An AutoEnable item is switched on by every menu update before the
    // application's own EnableMenuItems runs (MenuBar::UpdateMenus).
    bool AutoEnable() const { return m_autoEnable; }
    void SetAutoEnable(bool autoEnable) { m_autoEnable = autoEnable; }

    bool Enabled() const { return m_enabled; }
    // Observers hear of a change only, not of a set to the same value.
    void SetEnabled(bool enabled);
    void Enable() { SetEnabled(true); }

    // Called with the new state after each change, until the returned
    // Subscription is destroyed. An observer may cancel subscriptions, its own
    // included, while it is being called.
    [[nodiscard]] Subscription ObserveEnabled(std::function<void(bool enabled)> observer);

    // Children in the order they were appended. Appending nil, the item
    // itself or one of its ancestors raises, so a tree can never become a
    // cycle that a lookup would walk forever.
    void Append(const Ref<MenuItem>& item);
    const std::vector<Ref<MenuItem>>& Children() const { return m_children; }
    std::int64_t Count() const { return static_cast<std::int64_t>(m_children.size()); }

    // The first direct child of that Name, or nil.
    Ref<MenuItem> Child(const String& name) const;
    // The first item of that Name anywhere below this one, depth first in
    // append order (a menu before its own items, they before the next menu),
    // or nil. The item itself is not a candidate.
    Ref<MenuItem> Lookup(const String& name) const;
    // The same item as a T: nil when there is none or it is of another class.
    template <class T>
    Ref<T> LookupAs(const String& name) const
    {
        return RuntimeCheckCast<T>(Lookup(name));
    }

    // Every item below this one, depth first in append order.
    std::vector<Ref<MenuItem>> Descendants() const;

private:
    bool Contains(const MenuItem* item) const;
    void NotifyEnabled(bool enabled);

    struct Observers;

    String m_name;
    String m_text;
    std::optional<String> m_keyboardShortcut;
    bool m_autoEnable = false;
    bool m_enabled = true;
    std::vector<Ref<MenuItem>> m_children;
    std::shared_ptr<Observers> m_observers;
};

} // namespace fw
