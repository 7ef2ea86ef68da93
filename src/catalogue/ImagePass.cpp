// SPDX-License-Identifier: MIT
#include "catalogue/ImagePass.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>
#include <optional>
#include <system_error>
#include <thread>

#include "catalogue/LoadFailure.h"
#include "platform/CancelFlag.h"
#include "platform/ProgressSink.h"

namespace vistrel {
namespace {

// Enough to keep every worker busy while the calling thread shows a message, few enough that a
// cancel stops the run soon.
constexpr std::size_t kImagesPerWorker = 2;

// How long the calling thread waits for a result before it pumps progress again, so that a
// window stays responsive and can take a cancel request.
constexpr auto kPumpInterval = std::chrono::milliseconds(50);

struct Outcome {
    bool done = false;
    std::optional<ImageHeader> header;
};

// The state the calling thread shares with the workers during one run. Workers take entries
// in order, never more than window ahead of what the calling thread has taken.
class PassQueue {
public:
    PassQueue(const std::vector<ImageEntry>& entries, const ShrinkOnLoadTask& task,
              const CancelFlag& cancel, std::size_t window)
        : m_entries(entries), m_task(task), m_cancel(cancel), m_window(window),
          m_outcomes(entries.size()) {}

    // A worker's life: start images until none is left or the pass stops.
    void work() {
        while (const auto index = nextToStart()) {
            finish(*index, process(*index));
        }
    }

    // Does entry index on the calling thread, for a pass that could start no worker.
    void workInline(std::size_t index) {
        if (const auto started = nextToStart(); started && *started == index) {
            finish(index, process(index));
        }
    }

    // Waits for entry index, pumping progress; nullopt when it will never start (cancel).
    std::optional<std::optional<ImageHeader>> take(std::size_t index, ProgressSink& progress) {
        std::unique_lock lock(m_mutex);
        while (!m_outcomes[index].done) {
            if (index >= m_next && (m_stopped || m_cancel.isRequested())) {
                stop();
                return std::nullopt;
            }
            m_finished.wait_for(lock, kPumpInterval);
            lock.unlock();
            progress.pump();
            lock.lock();
        }
        m_taken = index + 1;
        m_canStart.notify_all();
        return std::move(m_outcomes[index].header);
    }

    // Ends the run for the workers: none starts another image.
    void stopAll() {
        std::lock_guard lock(m_mutex);
        stop();
    }

private:
    std::optional<std::size_t> nextToStart() {
        std::unique_lock lock(m_mutex);
        m_canStart.wait(lock, [this] {
            return m_stopped || m_next >= m_entries.size() || m_next < m_taken + m_window;
        });
        if (m_stopped || m_next >= m_entries.size()) {
            return std::nullopt;
        }
        if (m_cancel.isRequested()) {
            stop();
            return std::nullopt;
        }
        return m_next++;
    }

    std::optional<ImageHeader> process(std::size_t index) const {
        const ImageEntry& entry = m_entries[index];
        try {
            return shrinkOnLoad(entry.sourcePath, entry.thumbPath, m_task);
        } catch (const std::bad_alloc&) {
            return std::nullopt;
        }
    }

    void finish(std::size_t index, std::optional<ImageHeader> header) {
        {
            std::lock_guard lock(m_mutex);
            m_outcomes[index] = {true, std::move(header)};
        }
        m_finished.notify_all();
    }

    // Called with the mutex held.
    void stop() {
        m_stopped = true;
        m_canStart.notify_all();
        m_finished.notify_all();
    }

    const std::vector<ImageEntry>& m_entries;
    const ShrinkOnLoadTask& m_task;
    const CancelFlag& m_cancel;
    const std::size_t m_window;
    std::mutex m_mutex;
    std::condition_variable m_canStart;
    std::condition_variable m_finished;
    std::vector<Outcome> m_outcomes;
    std::size_t m_next = 0;
    std::size_t m_taken = 0;
    bool m_stopped = false;
};

// Stops the workers however run is left, before their threads are joined.
class StopOnExit {
public:
    explicit StopOnExit(PassQueue& queue) : m_queue(queue) {}
    StopOnExit(const StopOnExit&) = delete;
    StopOnExit& operator=(const StopOnExit&) = delete;
    ~StopOnExit() { m_queue.stopAll(); }

private:
    PassQueue& m_queue;
};

// Starts up to count workers on queue; fewer when the system refuses more threads.
std::vector<std::jthread> startWorkers(PassQueue& queue, unsigned count) {
    std::vector<std::jthread> threads;
    threads.reserve(count);
    try {
        for (unsigned i = 0; i < count; ++i) {
            threads.emplace_back([&queue] { queue.work(); });
        }
    } catch (const std::system_error&) {
    }
    return threads;
}

} // namespace

ImagePass::ImagePass(ShrinkOnLoadTask task, unsigned workers)
    : m_task(task), m_workers(std::max(workers, 1U)) {}

unsigned ImagePass::hardwareWorkers() {
    return std::max(std::thread::hardware_concurrency(), 1U);
}

std::size_t ImagePass::window() const {
    return kImagesPerWorker * m_workers;
}

bool ImagePass::run(std::vector<ImageEntry>& entries, Prompter& prompter, ProgressSink& progress,
                    const CancelFlag& cancel) const {
    PassQueue queue(entries, m_task, cancel, window());
    const auto count = static_cast<unsigned>(std::min<std::size_t>(m_workers, entries.size()));
    const std::vector<std::jthread> threads = startWorkers(queue, count);
    const StopOnExit stopOnExit(queue);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (threads.empty()) {
            queue.workInline(i);
        }
        const auto header = queue.take(i, progress);
        if (!header) {
            return false;
        }
        if (*header) {
            entries[i].width = (*header)->width;
            entries[i].height = (*header)->height;
        } else {
            showLoadFailure(LoadFailure::NoImageHandle, prompter);
        }
        // The thumbnails are made here now, so this is where the user sees the run advance.
        progress.setProgress(static_cast<int>(i + 1), static_cast<int>(entries.size()));
    }
    return true;
}

} // namespace vistrel
