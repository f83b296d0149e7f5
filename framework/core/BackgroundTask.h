#pragma once

namespace fw {

// Long loops call RuntimeBackgroundTask to let the event loop run. Without an
// event loop (the analysis alone, tests, tools) it does nothing; the GUI half
// installs its hook when the application starts. The hook may throw: that is
// how a quit unwinds a loop that is still running.
using BackgroundTaskHook = void (*)();

void RuntimeBackgroundTask();

// Installs `hook` (nullptr for none) and returns the one it replaces.
BackgroundTaskHook SetBackgroundTaskHook(BackgroundTaskHook hook);

} // namespace fw
