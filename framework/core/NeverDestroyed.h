#pragma once

namespace fw {

// The one instance of T, made on first use and never destroyed. For the
// framework's global state that program objects outlive (a file type at
// namespace scope withdraws itself when destroyed) or that holds Qt objects:
// an exit that skips shut-down (an early return, exit() from Qt's display
// connection) must not tear them down during static destruction, after
// parts of Qt or of the framework have gone. The static pointer keeps the
// instance reachable, so LeakSanitizer does not count it as leaked.
template <class T>
T& NeverDestroyed()
{
    static T* const instance = new T;
    return *instance;
}

} // namespace fw
