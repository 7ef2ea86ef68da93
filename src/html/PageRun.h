// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace vistrel {

class CancelFlag;
class ProgressSink;
class Status;
struct Settings;

// What the page writers work with during one create run. Nothing but the name is owned.
struct PageRun {
    Settings& settings;
    // The name of the first checked row, as the list shows it: what a frame set without image
    // pages opens with.
    std::string firstChecked;
    ProgressSink& progress;
    CancelFlag& cancel;
    std::vector<Status>& failedWrites; // each file the run could not write, in the order met
};

} // namespace vistrel
