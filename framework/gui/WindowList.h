#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "framework/core/ClassRecord.h"
#include "framework/core/Ref.h"

namespace fw {

class Window;

// The open windows, frontmost first, and the implicit instances: at most one
// window per class, asked for by the class's full name ("Window2.Window2")
// or its short name ("Window2"), both naming the same entry.
class WindowList {
public:
    static Ref<Window> At(std::int32_t index);
    static std::int32_t Count();

    // Called by windows: a new window joins at the back, a shown or
    // activated one moves to the front, a closed one leaves.
    static void Add(const Ref<Window>& window);
    static void BringToFront(const Window& window);
    static void Remove(const Window& window);

    static Ref<Window> Implicit(std::string_view className);
    static void SetImplicit(std::string_view className, const Ref<Window>& window);
    // Drops the window's entry, if it is an implicit instance.
    static void ForgetImplicit(const Window& window);

    // Shut-down: closes every open window and forgets every entry.
    static void CloseAll();

    // Called after a window joined, left or came to the front (the menus
    // code shows the application's menu bar while no window shows one).
    static void SetChangedHook(std::function<void()> hook);
};

// `Window(index)`: the open window at that place, 0 the frontmost; nil when
// there is none.
Ref<Window> WindowAt(std::int32_t index);
std::int32_t WindowCount();

// The implicit instance of the class, or nil when it has none.
Ref<Window> GetImplicitWindow(std::string_view className);

// The implicit instance of the record's class, made and built when there is
// none. It is filed before it is built, so code that asks for it while it is
// being built gets it rather than a second one.
Ref<Window> RuntimeGetImplicitWindow(const ClassRecord& record);

} // namespace fw
