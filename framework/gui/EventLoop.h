#pragma once

#include <cstdint>
#include <exception>
#include <functional>

namespace fw {

// The framework's side of Qt's event loop: the dispatch boundary every call
// from Qt into framework or program code goes through, the quit state, and
// the background-task hook. Main thread only.
class EventLoop {
public:
    // Runs `call` for Qt. No exception passes: the first one is kept for
    // Run() to rethrow and every event loop is told to end; later calls are
    // skipped once the application is ending, so no code runs on the state a
    // failure left behind.
    static void Dispatch(const std::function<void()>& call) noexcept;

    // Queues `call` to run through Dispatch on a later pass of the loop.
    static void Post(std::function<void()> call);

    // Runs Qt's event loop unless the application is already ending, then
    // rethrows the exception a dispatch kept, if any.
    static void Run();

    // Modal loops of the framework (message boxes, dialogs) announce
    // themselves, so a quit or a failure ends them too.
    static void EnterModalLoop();
    static void LeaveModalLoop();

    static void RequestQuit(std::int32_t code);
    static bool QuitRequested();
    static bool IsEnding();
    static std::int32_t ExitCode();
    static std::exception_ptr PendingException();

    // Runs pending events at most every few milliseconds; once the
    // application is ending it unwinds the code that called it, when a
    // dispatch boundary is there to stop the unwinding.
    static void BackgroundTask();

    // Forgets the quit state and any kept exception (shut-down).
    static void Reset();

    // Raises RuntimeException naming `what` when the framework has not been
    // started: Qt would abort the process instead.
    static void RequireApplication(const char* what);
};

} // namespace fw
