#include "framework/core/MenuItem.h"

#include <algorithm>
#include <utility>

#include "framework/core/ClassRegistry.h"
#include "framework/core/RuntimeException.h"

namespace fw {

// Shared with the Subscriptions handed out, so one that outlives its item
// cancels against a list that is still there instead of a dead item.
struct MenuItem::Observers {
    using Observer = std::function<void(bool)>;

    std::uint64_t nextId = 1;
    std::vector<std::pair<std::uint64_t, std::shared_ptr<Observer>>> entries;
};

const ClassRecord& MenuItem::Lookup()
{
    return RegisterClass("MenuItem", [] {
        ClassRecord record;
        record.name = "MenuItem";
        record.super = &Object::Lookup();
        record.factory = FactoryOf<MenuItem>();
        return record;
    });
}

MenuItem::MenuItem()
    : m_observers(std::make_shared<Observers>())
{
}

MenuItem::~MenuItem() = default;

const String& MenuItem::KeyboardShortcut() const
{
    static const String none;
    return m_keyboardShortcut ? *m_keyboardShortcut : none;
}

void MenuItem::SetEnabled(bool enabled)
{
    if (m_enabled == enabled) {
        return;
    }
    m_enabled = enabled;
    NotifyEnabled(enabled);
}

Subscription MenuItem::ObserveEnabled(std::function<void(bool enabled)> observer)
{
    const std::uint64_t id = m_observers->nextId++;
    m_observers->entries.emplace_back(id, std::make_shared<Observers::Observer>(std::move(observer)));
    return Subscription([weakList = std::weak_ptr<Observers>(m_observers), id] {
        if (auto list = weakList.lock()) {
            std::erase_if(list->entries, [id](const auto& entry) { return entry.first == id; });
        }
    });
}

void MenuItem::NotifyEnabled(bool enabled)
{
    // Walk a copy: an observer may cancel itself or another one meanwhile.
    // A cancelled observer that is still due is skipped.
    // The list is held here too, in case an observer drops the last
    // reference to this item.
    const std::shared_ptr<Observers> list = m_observers;
    const auto snapshot = list->entries;
    for (const auto& [id, observer] : snapshot) {
        const bool stillSubscribed = std::ranges::any_of(
            list->entries, [id = id](const auto& entry) { return entry.first == id; });
        if (stillSubscribed) {
            (*observer)(enabled);
        }
    }
}

void MenuItem::Append(const Ref<MenuItem>& item)
{
    if (!item) {
        throw NilObjectException("menu item appended to \"" + m_name + "\"");
    }
    if (item.get() == this || item->Contains(this)) {
        throw RuntimeException("menu item \"" + item->Name() + "\" cannot be appended to \"" + m_name
                               + "\": it holds that menu");
    }
    m_children.push_back(item);
}

Ref<MenuItem> MenuItem::Child(const String& name) const
{
    const auto found = std::ranges::find_if(m_children, [&name](const Ref<MenuItem>& child) {
        return child->Name() == name;
    });
    return found == m_children.end() ? nullptr : *found;
}

Ref<MenuItem> MenuItem::Lookup(const String& name) const
{
    for (const Ref<MenuItem>& child : m_children) {
        if (child->Name() == name) {
            return child;
        }
        if (Ref<MenuItem> below = child->Lookup(name)) {
            return below;
        }
    }
    return nullptr;
}

std::vector<Ref<MenuItem>> MenuItem::Descendants() const
{
    std::vector<Ref<MenuItem>> items;
    for (const Ref<MenuItem>& child : m_children) {
        items.push_back(child);
        std::ranges::move(child->Descendants(), std::back_inserter(items));
    }
    return items;
}

bool MenuItem::Contains(const MenuItem* item) const
{
    return std::ranges::any_of(m_children, [item](const Ref<MenuItem>& child) {
        return child.get() == item || child->Contains(item);
    });
}

} // namespace fw
