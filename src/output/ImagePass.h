// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <vector>

#include "catalogue/ImageEntry.h"
#include "imaging/ShrinkOnLoad.h"

namespace vistrel {

class CancelFlag;
class ProgressSink;
class Prompter;
class RunningPass;

// The image work of a create run as one pass over its entries, spread over worker threads:
// every image is read once (shrinkOnLoad), its size goes into its entry and, when the task asks
// for them, its thumbnail is written. The workers write each thumbnail into a private folder
// beside it; the calling thread moves it into place when it takes the entry, in entry order,
// so the folder ends as a one-image-at-a-time run would leave it (the later of two entries
// sharing a thumbnail name wins) and a run cut short leaves no thumbnail of an entry it never
// took. Owns no thread outside start..run, so any front end may keep one or make one per run.
class ImagePass {
public:
    // A pass on workers threads; 0 counts as 1.
    ImagePass(ShrinkOnLoadTask task, unsigned workers);
    ~ImagePass();
    ImagePass(const ImagePass&) = delete;
    ImagePass& operator=(const ImagePass&) = delete;

    // One worker per hardware thread, at least 1.
    static unsigned hardwareWorkers();

    // Starts reading the images of entries now, ahead of run, so that the workers use the time
    // the calling thread spends on other work (copying the main images). Nothing the user sees
    // happens until run; a pass never taken by run is stopped and leaves nothing behind.
    void start(const std::vector<ImageEntry>& entries, const CancelFlag& cancel);

    // Runs the task over entries in order, filling width and height (entries whose image does
    // not load keep 0); what start began is used when it was started on the same sources and
    // thumbnails. Everything the user sees happens on the calling thread: each failure's
    // message ("エラー", stop icon, the text LoadSourceImage shows for it) in entry order, and
    // progress.pump() after each entry taken, while the pass waits for a worker and while it
    // waits for its workers to stop at the end. Once cancel is requested no further
    // image starts and no further entry is taken: the rest keep size 0, show nothing and get
    // no thumbnail. The request is left set for the caller. Returns false when cut short so.
    bool run(std::vector<ImageEntry>& entries, Prompter& prompter, ProgressSink& progress,
             const CancelFlag& cancel);

private:
    ShrinkOnLoadTask m_task;
    unsigned m_workers;
    std::unique_ptr<RunningPass> m_running;
};

} // namespace vistrel
