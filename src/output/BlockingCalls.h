// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace vistrel {

class ProgressSink;

// How long the window's thread waits for another thread (a blocking call, an image worker)
// before it pumps, and again after each pump: a quarter of the tenth of a second after which a
// window feels stuck, leaving the rest for a busy machine that wakes the thread late.
inline constexpr std::chrono::milliseconds kWaitPumpInterval{25};

// Runs the calls of a run that may wait on a busy or slow disk (opening, copying a block,
// renaming, removing a folder) on a thread of its own, one at a time, while the calling thread
// pumps the progress every few tens of milliseconds: the window that runs a create run on its
// own thread keeps repainting and taking Cancel however long one call waits. A call that
// returns at once costs no pump. Where the system refuses the thread, the calls run on the
// calling thread as they come.
class BlockingCalls {
public:
    explicit BlockingCalls(ProgressSink& progress);
    ~BlockingCalls();
    BlockingCalls(const BlockingCalls&) = delete;
    BlockingCalls& operator=(const BlockingCalls&) = delete;

    // Runs call and returns once it has returned, with any exception it threw (or a pump threw,
    // once the call has returned all the same). The call runs on another thread: it reads errno
    // there, so it keeps what it needs in the variables it writes, and it never touches the
    // progress, the prompter or anything else of the window.
    void run(const std::function<void()>& call);

private:
    void serve();

    ProgressSink& m_progress;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    const std::function<void()>* m_call = nullptr; // the call handed over, until it returns
    std::exception_ptr m_thrown;
    bool m_returned = false;
    bool m_closing = false;
    std::thread m_thread; // not joinable when the system refused it
};

} // namespace vistrel
