#include "framework/gui/WindowList.h"

#include <algorithm>
#include <map>
#include <string>

#include "framework/core/ClassRegistry.h"
#include "framework/core/NeverDestroyed.h"
#include "framework/core/NilObjectException.h"
#include "framework/gui/Window.h"

namespace fw {

namespace {

struct Lists {
    std::vector<Ref<Window>> open; // frontmost first
    std::map<std::string, Ref<Window>, std::less<>> implicit; // by short name
    std::function<void()> changed;
};

// Never destroyed: open windows hold Qt widgets.
Lists& TheLists()
{
    return NeverDestroyed<Lists>();
}

std::string ShortClassName(std::string_view className)
{
    const auto dot = className.rfind('.');
    return std::string(dot == std::string_view::npos ? className : className.substr(dot + 1));
}

void Changed()
{
    if (TheLists().changed) {
        TheLists().changed();
    }
}

auto Find(std::vector<Ref<Window>>& open, const Window& window)
{
    return std::find_if(open.begin(), open.end(), [&](const Ref<Window>& entry) { return entry.get() == &window; });
}

} // namespace

Ref<Window> WindowList::At(std::int32_t index)
{
    const auto& open = TheLists().open;
    if (index < 0 || static_cast<std::size_t>(index) >= open.size()) {
        return nullptr;
    }
    return open[static_cast<std::size_t>(index)];
}

std::int32_t WindowList::Count()
{
    return static_cast<std::int32_t>(TheLists().open.size());
}

void WindowList::Add(const Ref<Window>& window)
{
    auto& open = TheLists().open;
    if (window && Find(open, *window) == open.end()) {
        open.push_back(window);
        Changed();
    }
}

void WindowList::BringToFront(const Window& window)
{
    auto& open = TheLists().open;
    const auto found = Find(open, window);
    if (found != open.end()) {
        std::rotate(open.begin(), found, found + 1);
        Changed();
    }
}

void WindowList::Remove(const Window& window)
{
    auto& open = TheLists().open;
    const auto found = Find(open, window);
    if (found != open.end()) {
        // Keep the window alive until it has left the list.
        const Ref<Window> keep = *found;
        open.erase(found);
        Changed();
    }
}

Ref<Window> WindowList::Implicit(std::string_view className)
{
    const auto& implicit = TheLists().implicit;
    const auto found = implicit.find(ShortClassName(className));
    return found == implicit.end() ? nullptr : found->second;
}

void WindowList::SetImplicit(std::string_view className, const Ref<Window>& window)
{
    TheLists().implicit[ShortClassName(className)] = window;
}

void WindowList::ForgetImplicit(const Window& window)
{
    // By identity rather than by name: a closed window must never be handed
    // out again, whatever name its entry was filed under.
    auto& implicit = TheLists().implicit;
    for (auto entry = implicit.begin(); entry != implicit.end(); ++entry) {
        if (entry->second.get() == &window) {
            const Ref<Window> keep = entry->second;
            implicit.erase(entry);
            return;
        }
    }
}

void WindowList::CloseAll()
{
    // Shut-down runs no program code: the hook goes first. Then the lists in
    // the order shut-down releases them, the implicit instances before the
    // open windows; closing edits the list, so close from a copy.
    TheLists().changed = nullptr;
    TheLists().implicit.clear();
    const std::vector<Ref<Window>> open = TheLists().open;
    for (const Ref<Window>& window : open) {
        window->Close();
    }
    TheLists().open.clear();
}

void WindowList::SetChangedHook(std::function<void()> hook)
{
    TheLists().changed = std::move(hook);
}

Ref<Window> WindowAt(std::int32_t index)
{
    return WindowList::At(index);
}

std::int32_t WindowCount()
{
    return WindowList::Count();
}

Ref<Window> GetImplicitWindow(std::string_view className)
{
    return WindowList::Implicit(className);
}

Ref<Window> RuntimeGetImplicitWindow(const ClassRecord& record)
{
    if (Ref<Window> existing = WindowList::Implicit(record.name)) {
        return existing;
    }
    const Ref<Window> window = RuntimeCheckCast<Window>(RuntimeNewObject(record));
    if (!window) {
        throw NilObjectException("implicit window of class " + record.name);
    }
    WindowList::SetImplicit(record.name, window);
    window->Constructor();
    return window;
}

} // namespace fw
