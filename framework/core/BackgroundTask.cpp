#include "framework/core/BackgroundTask.h"

namespace fw {

namespace {

BackgroundTaskHook g_hook = nullptr;

} // namespace

void RuntimeBackgroundTask()
{
    if (g_hook != nullptr) {
        g_hook();
    }
}

BackgroundTaskHook SetBackgroundTaskHook(BackgroundTaskHook hook)
{
    const BackgroundTaskHook previous = g_hook;
    g_hook = hook;
    return previous;
}

} // namespace fw
