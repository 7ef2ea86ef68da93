// SPDX-License-Identifier: MIT
#include "output/ImagePass.h"

#include <stdlib.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <new>
#include <optional>
#include <string>
#include <system_error>
#include <thread>

#include "catalogue/LoadFailure.h"
#include "output/BlockingCalls.h"
#include "platform/CancelFlag.h"
#include "platform/ErrorText.h"
#include "platform/PathText.h"
#include "platform/ProgressSink.h"
#include "platform/WorkNames.h"

namespace vistrel {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    bool done = false;
    ShrinkOnLoadResult result;
};

// The private folder the workers write thumbnails into, made beside the thumbnails.
struct StagingFolder {
    std::string path; // empty when the pass writes no thumbnails or the folder was refused
    int error = 0;    // why the folder could not be made
};

StagingFolder makeStagingFolder(const std::vector<ImageEntry>& entries, bool thumbnails) {
    if (!thumbnails || entries.empty()) {
        return {};
    }
    fs::path folder = fs::path(entries.front().thumbPath).parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::string staging = (folder / kThumbnailWorkFolder).string();
    if (::mkdtemp(staging.data()) == nullptr) {
        return {{}, errno};
    }
    return {staging, 0};
}

// The state the calling thread shares with the workers during one pass. Workers take entries
// in order; the calling thread takes their outcomes in the same order.
class PassQueue {
public:
    PassQueue(std::vector<ImageEntry> entries, const ShrinkOnLoadTask& task,
              const CancelFlag& cancel)
        : m_entries(std::move(entries)), m_task(task), m_cancel(cancel),
          m_staging(makeStagingFolder(m_entries, task.thumbnails)), m_outcomes(m_entries.size()) {}

    // Whether the pass reads the images of entries: the same sources and thumbnails, in order.
    bool serves(const std::vector<ImageEntry>& entries, const CancelFlag& cancel) const {
        return &cancel == &m_cancel &&
               std::equal(entries.begin(), entries.end(), m_entries.begin(), m_entries.end(),
                          [](const ImageEntry& a, const ImageEntry& b) {
                              return a.sourcePath == b.sourcePath && a.thumbPath == b.thumbPath;
                          });
    }

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

    // Waits for entry index, pumping progress; nullopt once the pass is stopped or cancelled.
    std::optional<ShrinkOnLoadResult> take(std::size_t index, ProgressSink& progress) {
        std::unique_lock lock(m_mutex);
        for (;;) {
            if (m_stopped || m_cancel.isRequested()) {
                stop();
                return std::nullopt;
            }
            if (m_outcomes[index].done) {
                return std::move(m_outcomes[index].result);
            }
            m_finished.wait_for(lock, kWaitPumpInterval);
            lock.unlock();
            progress.pump();
            lock.lock();
        }
    }

    // Moves the thumbnail of a taken entry from the private folder into place, and says in
    // entry whether it is there and, when it was due but is not, why.
    void placeThumbnail(std::size_t index, const ShrinkOnLoadResult& result,
                        ImageEntry& entry) const {
        int error = result.thumbnailError;
        if (result.thumbnailWritten &&
            std::rename(stagedPath(index).c_str(), entry.thumbPath.c_str()) != 0) {
            error = errno;
        }
        if (m_task.thumbnails && result.header && m_staging.path.empty()) {
            error = m_staging.error;
        }
        entry.thumbMissing = !result.thumbnailWritten || error != 0;
        entry.thumbFailure = error != 0 ? errorText(error) : std::string();
    }

    // Ends the pass for the workers: none starts another image.
    void stopAll() {
        std::lock_guard lock(m_mutex);
        stop();
    }

    bool hasStagingFolder() const { return !m_staging.path.empty(); }

    // Removes the private folder with every thumbnail no entry took; only once no worker runs.
    void removeStaging() const {
        if (!m_staging.path.empty()) {
            std::error_code ignored;
            fs::remove_all(m_staging.path, ignored);
        }
    }

private:
    std::string stagedPath(std::size_t index) const {
        return m_staging.path + "/" + std::to_string(index);
    }

    std::optional<std::size_t> nextToStart() {
        std::lock_guard lock(m_mutex);
        if (m_stopped || m_next >= m_entries.size()) {
            return std::nullopt;
        }
        if (m_cancel.isRequested()) {
            stop();
            return std::nullopt;
        }
        return m_next++;
    }

    // Without its private folder the pass makes no thumbnail at all: one written straight to
    // its place could outlive a run that never took its entry.
    ShrinkOnLoadResult process(std::size_t index) const {
        ShrinkOnLoadTask task = m_task;
        task.thumbnails = task.thumbnails && !m_staging.path.empty();
        try {
            return shrinkOnLoad(m_entries[index].sourcePath, stagedPath(index), task);
        } catch (const std::bad_alloc&) {
            return {};
        }
    }

    void finish(std::size_t index, ShrinkOnLoadResult result) {
        {
            std::lock_guard lock(m_mutex);
            m_outcomes[index] = {true, std::move(result)};
        }
        m_finished.notify_all();
    }

    // Called with the mutex held.
    void stop() {
        m_stopped = true;
        m_finished.notify_all();
    }

    const std::vector<ImageEntry> m_entries;
    const ShrinkOnLoadTask m_task;
    const CancelFlag& m_cancel;
    const StagingFolder m_staging;
    std::mutex m_mutex;
    std::condition_variable m_finished;
    std::vector<Outcome> m_outcomes;
    std::size_t m_next = 0;
    bool m_stopped = false;
};

} // namespace

// A pass between start and the end of run: its queue and the workers on it.
class RunningPass {
public:
    RunningPass(std::vector<ImageEntry> entries, const ShrinkOnLoadTask& task,
                const CancelFlag& cancel, unsigned workers)
        : m_queue(std::move(entries), task, cancel) {
        // Fewer workers, down to none, when the system refuses more threads.
        try {
            for (unsigned i = 0; i < workers; ++i) {
                m_threads.emplace_back([this] { m_queue.work(); });
            }
        } catch (const std::system_error&) {
        }
    }

    RunningPass(const RunningPass&) = delete;
    RunningPass& operator=(const RunningPass&) = delete;

    ~RunningPass() {
        m_queue.stopAll();
        m_threads.clear();
        m_queue.removeStaging();
    }

    PassQueue& queue() { return m_queue; }

    // No worker could be started, so the calling thread does each image itself.
    bool runsInline() const { return m_threads.empty(); }

    // Whether ending the pass may wait: for a worker in the middle of an image, for the disk to
    // remove the private folder.
    bool endMayWait() const { return !m_threads.empty() || m_queue.hasStagingFolder(); }

private:
    PassQueue m_queue;
    std::vector<std::jthread> m_threads;
};

namespace {

// Takes the outcome of every entry in order, as far as the pass goes; false when it was cut
// short.
bool takeEntries(RunningPass& running, std::vector<ImageEntry>& entries, Prompter& prompter,
                 ProgressSink& progress) {
    PassQueue& queue = running.queue();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (running.runsInline()) {
            queue.workInline(i);
        }
        const auto result = queue.take(i, progress);
        if (!result) {
            return false;
        }
        queue.placeThumbnail(i, *result, entries[i]);
        if (result->header) {
            entries[i].width = result->header->width;
            entries[i].height = result->header->height;
        } else {
            showLoadFailure(LoadFailure::NoImageHandle, fileNamePart(entries[i].sourcePath),
                            prompter);
        }
        // The thumbnails are made here now, so this is where the user sees the run advance. When
        // the workers are ahead, take waits for none of them and would not pump: the pump here
        // keeps the window answering through a long run of finished images.
        progress.setProgress(static_cast<int>(i + 1), static_cast<int>(entries.size()));
        progress.pump();
    }
    return true;
}

} // namespace

ImagePass::ImagePass(ShrinkOnLoadTask task, unsigned workers)
    : m_task(task), m_workers(std::max(workers, 1U)) {}

ImagePass::~ImagePass() = default;

unsigned ImagePass::hardwareWorkers() {
    return std::max(std::thread::hardware_concurrency(), 1U);
}

void ImagePass::start(const std::vector<ImageEntry>& entries, const CancelFlag& cancel) {
    m_running.reset();
    const auto count = static_cast<unsigned>(std::min<std::size_t>(m_workers, entries.size()));
    m_running = std::make_unique<RunningPass>(entries, m_task, cancel, count);
}

bool ImagePass::run(std::vector<ImageEntry>& entries, Prompter& prompter, ProgressSink& progress,
                    const CancelFlag& cancel) {
    if (!m_running || !m_running->queue().serves(entries, cancel)) {
        start(entries, cancel);
    }
    // However run is left, the workers stop and what they wrote ahead is removed.
    std::unique_ptr<RunningPass> running = std::move(m_running);
    const bool finished = takeEntries(*running, entries, prompter, progress);
    // After a cancel that waits for the workers to finish the images they are in, and removing
    // the private folder waits for the disk: the window is pumped meanwhile.
    if (running->endMayWait()) {
        BlockingCalls(progress).run([&running] { running.reset(); });
    }
    return finished;
}

} // namespace vistrel
