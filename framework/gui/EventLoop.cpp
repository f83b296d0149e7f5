#include "framework/gui/EventLoop.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>

#include "framework/core/RuntimeException.h"
#include "framework/gui/QuitUnwind.h"

namespace fw {

namespace {

// A scan calls the hook every 4 KiB; an event-loop pass every few
// milliseconds keeps the windows responsive without slowing the scan.
constexpr auto kBackgroundInterval = std::chrono::milliseconds(5);

struct LoopState {
    bool quitRequested = false;
    std::int32_t exitCode = 0;
    std::exception_ptr pending;
    int dispatchDepth = 0;
    int loopLevel = 0;
    std::chrono::steady_clock::time_point lastPass{};
};

LoopState& State()
{
    static LoopState state;
    return state;
}

void EndRunningLoops()
{
    if (QCoreApplication::instance() != nullptr && State().loopLevel > 0) {
        QCoreApplication::exit(State().exitCode);
    }
}

struct DepthGuard {
    DepthGuard() { ++State().dispatchDepth; }
    ~DepthGuard() { --State().dispatchDepth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
};

} // namespace

void EventLoop::Dispatch(const std::function<void()>& call) noexcept
{
    if (IsEnding()) {
        return;
    }
    DepthGuard depth;
    try {
        call();
    } catch (const QuitUnwind&) {
        // The quit that raised it is already under way.
    } catch (...) {
        // Keep the first failure: a later one is most likely its consequence.
        if (!State().pending) {
            State().pending = std::current_exception();
        }
        EndRunningLoops();
    }
}

void EventLoop::Post(std::function<void()> call)
{
    RequireApplication("posting to the event loop");
    QTimer::singleShot(0, QCoreApplication::instance(), [call = std::move(call)] { Dispatch(call); });
}

void EventLoop::Run()
{
    LoopState& state = State();
    if (!IsEnding() && QCoreApplication::instance() != nullptr) {
        ++state.loopLevel;
        QCoreApplication::exec();
        --state.loopLevel;
    }
    if (state.pending) {
        const std::exception_ptr error = state.pending;
        state.pending = nullptr;
        // Still ending: nothing more of the program runs after a failure.
        state.quitRequested = true;
        std::rethrow_exception(error);
    }
}

void EventLoop::EnterModalLoop()
{
    ++State().loopLevel;
}

void EventLoop::LeaveModalLoop()
{
    --State().loopLevel;
}

void EventLoop::RequestQuit(std::int32_t code)
{
    State().quitRequested = true;
    State().exitCode = code;
    EndRunningLoops();
}

bool EventLoop::QuitRequested()
{
    return State().quitRequested;
}

bool EventLoop::IsEnding()
{
    return State().quitRequested || State().pending != nullptr;
}

std::int32_t EventLoop::ExitCode()
{
    return State().exitCode;
}

std::exception_ptr EventLoop::PendingException()
{
    return State().pending;
}

void EventLoop::BackgroundTask()
{
    LoopState& state = State();
    if (!IsEnding() && QCoreApplication::instance() != nullptr) {
        const auto now = std::chrono::steady_clock::now();
        if (now - state.lastPass >= kBackgroundInterval) {
            state.lastPass = now;
            QCoreApplication::processEvents();
        }
    }
    if (IsEnding() && state.dispatchDepth > 0) {
        throw QuitUnwind{};
    }
}

void EventLoop::Reset()
{
    State() = LoopState{};
}

void EventLoop::RequireApplication(const char* what)
{
    if (QCoreApplication::instance() == nullptr) {
        throw RuntimeException(std::string(what) + " needs the framework started first (RuntimeInit)");
    }
}

} // namespace fw
