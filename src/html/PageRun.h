// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

namespace vistrel {

class CancelFlag;
class ImageList;
class ProgressSink;
class Status;
struct Settings;

// What the page writers work with during one create run. Nothing is owned.
struct PageRun {
    Settings& settings;
    ImageList& list; // the checked rows in order, and their comments
    ProgressSink& progress;
    CancelFlag& cancel;
    std::vector<Status>& failedWrites; // each file the run could not write, in the order met
};

} // namespace vistrel
