// SPDX-License-Identifier: MIT
#include "output/BlockingCalls.h"

#include <system_error>
#include <utility>

#include "platform/ProgressSink.h"

namespace vistrel {

BlockingCalls::BlockingCalls(ProgressSink& progress) : m_progress(progress) {
    try {
        m_thread = std::thread([this] { serve(); });
    } catch (const std::system_error&) {
    }
}

BlockingCalls::~BlockingCalls() {
    if (m_thread.joinable()) {
        {
            const std::lock_guard lock(m_mutex);
            m_closing = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }
}

void BlockingCalls::run(const std::function<void()>& call) {
    if (!m_thread.joinable()) {
        call();
        return;
    }
    std::unique_lock lock(m_mutex);
    m_call = &call;
    m_returned = false;
    m_changed.notify_all();
    while (!m_changed.wait_for(lock, kWaitPumpInterval, [this] { return m_returned; })) {
        lock.unlock();
        try {
            m_progress.pump();
        } catch (...) {
            // The call still uses what the caller owns; it must return before that goes.
            lock.lock();
            m_changed.wait(lock, [this] { return m_returned; });
            throw;
        }
        lock.lock();
    }
    if (m_thrown) {
        std::rethrow_exception(std::exchange(m_thrown, nullptr));
    }
}

void BlockingCalls::serve() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_call != nullptr || m_closing; });
        if (m_call == nullptr) {
            return;
        }
        const std::function<void()>& call = *m_call;
        lock.unlock();
        std::exception_ptr thrown;
        try {
            call();
        } catch (...) {
            thrown = std::current_exception();
        }
        lock.lock();
        m_thrown = thrown;
        m_call = nullptr;
        m_returned = true;
        m_changed.notify_all();
    }
}

} // namespace vistrel
