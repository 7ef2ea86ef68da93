// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <vector>

#include "catalogue/ImageEntry.h"
#include "imaging/ShrinkOnLoad.h"

namespace vistrel {

class CancelFlag;
class ProgressSink;
class Prompter;

// The image work of a create run as one pass over its entries, spread over worker threads:
// every image is read once (shrinkOnLoad), its size goes into its entry and, when the task asks
// for them, its thumbnail is written. Holds no state between runs and owns no thread outside
// run, so any front end may keep one or make one per run.
class ImagePass {
public:
    // A pass on workers threads; 0 counts as 1.
    ImagePass(ShrinkOnLoadTask task, unsigned workers);

    // One worker per hardware thread, at least 1.
    static unsigned hardwareWorkers();

    unsigned workers() const { return m_workers; }

    // The most images started but not yet taken by the calling thread: a few per worker, so
    // memory stays flat however long the selection is.
    std::size_t window() const;

    // Runs the task over entries in order, filling width and height (entries whose image does
    // not load keep 0). Everything the user sees happens on the calling thread: each failure's
    // message ("エラー", stop icon, the text LoadSourceImage shows for it) in entry order, and
    // progress.pump() while the pass waits for a worker. Once cancel is requested no further
    // image starts; those already started are finished and reported, the rest keep size 0 and
    // show nothing. The request is left set for the caller. Returns false when cut short so.
    bool run(std::vector<ImageEntry>& entries, Prompter& prompter, ProgressSink& progress,
             const CancelFlag& cancel) const;

private:
    ShrinkOnLoadTask m_task;
    unsigned m_workers;
};

} // namespace vistrel
