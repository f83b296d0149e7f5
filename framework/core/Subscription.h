#pragma once

#include <functional>
#include <utility>

namespace fw {

// One registration with a notifier, undone when the Subscription goes away.
// Views hold these so that a long-lived model (the shared menu bar) never
// calls into a view that has already been destroyed.
class Subscription {
public:
    Subscription() = default;
    explicit Subscription(std::function<void()> cancel)
        : m_cancel(std::move(cancel))
    {
    }
    ~Subscription() { Cancel(); }

    Subscription(Subscription&& other) noexcept
        : m_cancel(std::exchange(other.m_cancel, nullptr))
    {
    }
    Subscription& operator=(Subscription&& other) noexcept
    {
        if (this != &other) {
            Cancel();
            m_cancel = std::exchange(other.m_cancel, nullptr);
        }
        return *this;
    }

    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;

    void Cancel()
    {
        if (auto cancel = std::exchange(m_cancel, nullptr)) {
            cancel();
        }
    }

private:
    std::function<void()> m_cancel;
};

} // namespace fw
