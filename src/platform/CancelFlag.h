// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>

namespace vistrel {

// The run's cancel request: 0 at rest, set when the user cancels (progress dialog, Ctrl-C).
// Whoever tests it clears it. Safe to set from a signal handler or another thread.
class CancelFlag {
public:
    void request() noexcept { m_requested.store(1, std::memory_order_relaxed); }
    bool isRequested() const noexcept { return m_requested.load(std::memory_order_relaxed) != 0; }
    // True when a cancel was requested; the request is cleared.
    bool testAndClear() noexcept { return m_requested.exchange(0, std::memory_order_relaxed) != 0; }

private:
    std::atomic<int> m_requested{0};
    static_assert(std::atomic<int>::is_always_lock_free);
};

} // namespace vistrel
